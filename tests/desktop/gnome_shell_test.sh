#!/bin/bash
# The game under a headless GNOME Shell 43 on both video paths (SDL's Wayland driver, and X11
# through Xwayland): on the first start the shell asks "Allow inhibiting shortcuts", answered
# once with Allow as a parent would; every escape key of the table then reaches the game and
# leaves the overview closed and the game focused; a second start asks nothing; Ctrl+Alt+T ends it.
# Usage: gnome_shell_test.sh <wob executable> <desktop entry> <folder for logs>
set -u
wob=$1
entry=$2
out=$3
screen_w=1280
screen_h=720
desktop_time_limit=240
mkdir -p "$out"
# shellcheck source=../lib/desktop_kit.sh
source "$(dirname "$0")/../lib/desktop_kit.sh"
desktop_private_run "$@"

table=(
  "super 91" "super+tab 9" "alt+tab 9" "alt+f2 113" "alt+f4 115" "alt+space 32"
  "super+escape renewed" "super 91" "super+a 65" "super 91"
)
# The X11 path has no inhibitor to renew: there Super+Escape is a row of its own.
x11_table=(
  "super 91" "super+tab 9" "alt+tab 9" "alt+f2 113" "alt+f4 115" "alt+space 32"
  "super+escape 91" "super 91" "super+a 65" "super 91"
)

# Mutter's remote desktop, which types the keys, is the last of the shell's services to appear.
shell_ready() {
  gdbus introspect --session -d org.gnome.Mutter.RemoteDesktop -o /org/gnome/Mutter/RemoteDesktop \
    >/dev/null 2>&1 && [ -S "$XDG_RUNTIME_DIR/wayland-0" ]
}
# GNOME Shell sometimes hangs at its start in a forked child of its own that never runs its
# program; ending that child lets the shell go on. A start that still hangs is begun again.
unstick_shell() {
  local child
  for child in $(pgrep -P "$1" gnome-shell); do kill -9 "$child"; done
}
start_shell() {
  local attempt pid
  for attempt in 1 2 3; do
    # Unsafe mode lets the test read how many modal dialogs the shell shows.
    XDG_SESSION_TYPE=wayland GSETTINGS_BACKEND=memory gnome-shell --headless --wayland --unsafe-mode \
      --virtual-monitor "${screen_w}x${screen_h}" >"$out/shell-$attempt.log" 2>&1 &
    pid=$!
    lib_track "$pid"
    lib_wait_for 25 shell_ready && return 0
    unstick_shell "$pid"
    lib_wait_for 10 shell_ready && return 0
    echo "GNOME Shell hung at start $attempt; starting it again" >&2
    lib_stop "$pid"
  done
  fail "GNOME Shell did not start"
}

# The shell's overview stays closed and the focus is (or, after a new screen, comes to) the
# game's window, known by its desktop entry and as large as the screen; on Wayland in the
# compositor's full-screen state, so no top bar shows over it or beside it. (The X11 path keeps
# the borderless window at the screen's bounds that X11 window managers know.)
desktop_check() {
  keys_ask overview
  [ "$reply" = false ] || fail "$1: the overview opened"
  lib_wait_for 5 game_focused || fail "$1: the focus went to '$reply'"
}
game_focused() {
  keys_ask focus
  case "$reply" in
    "org.wobbleton.playboard.desktop ${screen_w}x${screen_h} true") return 0 ;;
    "org.wobbleton.playboard.desktop ${screen_w}x${screen_h} false") [ "$path" = x11 ] ;;
    *) return 1 ;;
  esac
}

x11_env() {
  local auth number
  auth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
  number=$(grep -o 'X11 display :[0-9]*' "$out"/shell-*.log | tail -n 1 | grep -o ':[0-9]*')
  [ -n "$auth" ] && [ -n "$number" ] || fail "no Xwayland display"
  echo "DISPLAY=$number XAUTHORITY=$auth WAYLAND_DISPLAY="
}

dialog_shown() {
  keys_ask dialogs
  [ "$reply" != 0 ]
}
stored() {
  keys_ask permission
  [ "$reply" = "$1" ]
}

# The first start on Wayland: the shell's question takes the keys until a parent answers Allow.
first_start_wayland() {
  game_start WAYLAND_DISPLAY=wayland-0 DISPLAY=
  lib_wait_for 10 grep -q "shortcuts requested id=$menu_id" "$log" || fail "the menu did not ask"
  ! grep -q "shortcuts inhibited" "$log" || fail "granted without asking the parent"
  keys_ask permission
  [ "$reply" = none ] || fail "a stored answer before the first start: $reply"
  lib_wait_for 10 dialog_shown || fail "the shell asked nothing"
  keys_ask keys return
  lib_wait_for 10 grep -q "shortcuts inhibited" "$log" || fail "Allow did not grant it"
  ! grep -q "key-down vk=13 " "$log" || fail "the Enter went to the game, not to a dialog"
  lib_wait_for 5 stored GRANTED || fail "the parent's Allow was not stored: $reply"
}

# A later start: the stored answer applies with no dialog, and Ctrl+Alt+T ends the game.
second_start() {
  game_start "$@"
  local granted="grabbed"
  [ "$path" = wayland ] && granted="shortcuts inhibited id=$menu_id"
  [ "$path" = x11 ] && granted="focus id=$menu_id"
  lib_wait_for 10 grep -q "$granted" "$log" || fail "second start: not granted"
  keys_ask dialogs
  [ "$reply" = 0 ] || fail "second start: the shell asked again"
  lib_wait_for 10 game_focused || fail "second start: the game has no focus"
  keys_ask keys super
  lib_wait_for 5 grep -q "key-down vk=91 " "$log" || fail "second start: Super not held"
  desktop_check "second start"
  keys_ask keys ctrl+alt+t
  lib_wait_for 10 bash -c "! kill -0 $wob_pid 2>/dev/null" || fail "Ctrl+Alt+T did not end the game"
  wob_pid=
}

desktop_buses
desktop_entry "$entry"
start_shell
keys_start python3 "$(dirname "$0")/gnome_keys.py"
keys_ask close-overview

echo "GNOME Shell, SDL's Wayland driver"
path=wayland
first_start_wayland
run_table "${table[@]}"
game_stop
second_start WAYLAND_DISPLAY=wayland-0 DISPLAY=

echo "GNOME Shell, X11 through Xwayland"
path=x11
# shellcheck disable=SC2046
game_start $(x11_env)
lib_wait_for 10 grep -q "focus id=$menu_id" "$log" || fail "the menu never had the focus"
run_table "${x11_table[@]}"
game_stop
# shellcheck disable=SC2046
second_start $(x11_env)

# The README's command forgets the parent's answer.
gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore --object-path \
  /org/freedesktop/impl/portal/PermissionStore --method \
  org.freedesktop.impl.portal.PermissionStore.DeletePermission gnome shortcuts-inhibitor \
  org.wobbleton.playboard.desktop >/dev/null || fail "the permission store forgets nothing"
stored none || fail "the answer was not forgotten: $reply"
echo "PASS"
