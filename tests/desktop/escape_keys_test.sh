#!/bin/bash
# The escape keys of a real window manager against the game: in its own Xvfb with a D-Bus
# session, the window manager, an xterm underneath and the game. On the main menu and on the
# letters screen every key of the table is pressed; after each one the game's window still has
# the focus and is on top, the screen shows only the game, the game still runs, and a key the
# filter lets through (F5) still reaches it.
# Usage: escape_keys_test.sh <xfwm4|openbox> <wob executable> <folder for screenshots and logs>
set -u
wm=$1
wob=$2
out=$3
screen_w=800
screen_h=600
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

# One key (or key sequence) per line, as xdotool names them.
escape_keys=(
  super super+e super+d super+r
  alt+Tab alt+shift+Tab alt+space
  alt+F1 alt+F2 alt+F3 alt+F4 alt+F5 alt+F6 alt+F7 alt+F8 alt+F9 alt+F10 alt+F11 alt+F12
  alt+Escape ctrl+Escape ctrl+alt+d
  ctrl+alt+Left ctrl+alt+Right ctrl+alt+Up ctrl+alt+Down ctrl+alt+Delete
  "shift shift shift shift shift"
)

case "$wm" in
  xfwm4) wm_command=(xfwm4 --compositor=off) ;;
  openbox) wm_command=(openbox --config-file /etc/xdg/openbox/rc.xml) ;;
  *) fail "unknown window manager $wm" ;;
esac

start_desktop() {
  start_xvfb
  eval "$(dbus-launch --sh-syntax)" || fail "no D-Bus session"
  lib_track "$DBUS_SESSION_BUS_PID"
  "${wm_command[@]}" >"$out/wm.log" 2>&1 &
  lib_track $!
  lib_wait_for 20 wm_runs || fail "$wm did not take over the screen"
  xterm -geometry 80x24+10+10 -T underneath >/dev/null 2>&1 &
  lib_track $!
  lib_wait_for 20 xdotool search --name underneath >/dev/null || fail "no xterm appeared"
}

# A window manager announces itself on the root window (EWMH).
wm_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The game's windows are the ones with its process id.
is_game_window() { [ "$(xdotool getwindowpid "$1" 2>/dev/null)" = "$wob_pid" ]; }
focus_is_game() { is_game_window "$(xdotool getwindowfocus 2>/dev/null)"; }
top_is_game() {
  local top
  top=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tail -n 1)
  [ -n "$top" ] && is_game_window "$((top))"
}

# F5 does nothing on the game's screens; its key-down in the trace shows the game got it.
probes=0
probe_reaches_game() {
  probes=$((probes + 1))
  xdotool key F5
  lib_wait_for 20 probe_seen "$probes"
}
probe_seen() { [ "$(grep -c 'key-down vk=116 ' "$out/wob.log")" -ge "$1" ]; }

# The screen shows the game alone: its pixels are the ones shown before the keys. The root
# window's dump (no pointer in it) is compared byte for byte; it is kept as a PNG to look at.
screen_sum() { xwd -root -silent >"$out/$1.xwd" && md5sum <"$out/$1.xwd"; }
matches_reference() { [ "$(screen_sum now)" = "$(cat "$out/$1.md5")" ]; }
keep_picture() { convert "xwd:$out/$1.xwd" "$out/$1.png" 2>/dev/null; }

# A screen opened from the menu by a typed character (Super+E types an e) is closed again.
back_to_menu() {
  local screen point
  for screen in frmLetters frmNumbers frmShapes frmPaint; do
    [ "$(full_windows)" -eq 2 ] || return 0
    point=$(lib_centre "$screen" cmdExit) || continue
    # shellcheck disable=SC2086
    xdotool mousemove $point click 1
    lib_wait_for 5 full_windows_are 1
  done
  full_windows_are 1 || fail "the screen opened from the menu did not close"
}

check_after() {
  local key=$1 screen=$2
  kill -0 "$wob_pid" 2>/dev/null || fail "$key on the $screen ended the game"
  probe_reaches_game || fail "after $key on the $screen, F5 no longer reaches the game"
  focus_is_game || fail "after $key on the $screen, the game lost the focus"
  top_is_game || fail "after $key on the $screen, the game is not on top"
  [ "$screen" = menu ] && back_to_menu
  lib_wait_for 20 matches_reference "$screen" || {
    keep_picture now
    fail "after $key on the $screen, the screen shows more than the game (see now.png)"
  }
}

# The reference picture of a screen: once it differs from the one before (a window shown is
# not at once on the screen) and holds still between two looks.
take_reference() {
  local screen=$1 before=$2 last='' now tries=100
  while ((tries-- > 0)); do
    now=$(screen_sum "$screen")
    if [ "$now" = "$last" ] && [ "$now" != "$before" ]; then
      echo "$now" >"$out/$screen.md5"
      keep_picture "$screen"
      return 0
    fi
    last=$now
    sleep 0.2
  done
  fail "the $screen never held still on the screen"
}

press_all() {
  local screen=$1 before=$2 key
  take_reference "$screen" "$before"
  for key in "${escape_keys[@]}"; do
    # shellcheck disable=SC2086  # a sequence is several words
    xdotool key $key
    check_after "$key" "$screen"
  done
  echo "$wm: ${#escape_keys[@]} keys held on the $screen"
}

start_desktop
start_wob_to_menu
lib_wait_for 20 focus_is_game || fail "the main menu did not get the focus from $wm"
press_all menu ""
open_screen cmdLetters letters
press_all letters "$(cat "$out/menu.md5")"
click_exit frmLetters
end_game
echo "PASS: $wm: every escape key held on the main menu and the letters screen"
