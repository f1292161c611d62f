#!/bin/bash
# The game under a headless KWin 5.27 on both video paths (SDL's Wayland driver, and X11 through
# Xwayland): every escape key of the table reaches the game, which keeps the focus (KWin's own
# answer, read through its scripting interface).
# Usage: kwin_test.sh <wob executable> <desktop entry> <kwin key helper> <folder for logs>
set -u
wob=$1
entry=$2
helper=$3
out=$4
screen_w=1280
screen_h=720
desktop_time_limit=150
mkdir -p "$out"
# shellcheck source=../lib/desktop_kit.sh
source "$(dirname "$0")/../lib/desktop_kit.sh"
desktop_private_run "$@"

table=("meta 91" "alt+tab 9" "alt+f3 114" "alt+f4 115" "meta+w 87")

# KWin tells its children its Xwayland display: a child of it writes that down and waits.
start_kwin() {
  local kwin=/usr/bin/kwin_wayland
  printf '#!/bin/sh\necho "DISPLAY=$DISPLAY XAUTHORITY=$XAUTHORITY" >%s\nexec sleep 600\n' \
    "$out/x11.env" >"$out/session.sh"
  chmod +x "$out/session.sh"
  rm -f "$out/x11.env"
  # Debian gives the binary a file capability that a container may withhold, and then it does
  # not start; a plain copy keeping its name does.
  mkdir -p "$out/kwin" && cp "$kwin" "$out/kwin/kwin_wayland" && kwin=$out/kwin/kwin_wayland
  KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$kwin" --virtual --xwayland --width "$screen_w" \
    --height "$screen_h" --socket wayland-kde --exit-with-session "$out/session.sh" \
    >"$out/kwin.log" 2>&1 &
  lib_track $!
  lib_wait_for 30 test -s "$out/x11.env" || fail "KWin did not start"
}

# KWin's active window, from a script it runs: its class must be the game's.
desktop_check() {
  local before
  before=$(grep -c "active-window" "$out/kwin.log")
  echo 'print("active-window " + workspace.activeClient.resourceClass);' >"$out/active.js"
  qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript "$out/active.js" active >/dev/null &&
    qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.start &&
    qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript active >/dev/null ||
    fail "$1: KWin did not run the script"
  lib_wait_for 5 bash -c "[ \$(grep -c active-window '$out/kwin.log') -gt $before ]" ||
    fail "$1: no answer from KWin"
  [ "$(grep -o 'active-window .*' "$out/kwin.log" | tail -n 1)" = \
    "active-window org.wobbleton.playboard" ] || fail "$1: the focus left the game"
}

# Meta+W types a w, which opens a screen over the menu: the game is ended from outside.
run_path() {
  game_start "$@"
  run_table "${table[@]}"
  game_stop
}

desktop_buses
desktop_entry "$entry"
start_kwin
WAYLAND_DISPLAY=wayland-kde keys_start "$helper"

echo "KWin, SDL's Wayland driver"
run_path WAYLAND_DISPLAY=wayland-kde DISPLAY=
echo "KWin, X11 through Xwayland"
# shellcheck disable=SC2046
run_path $(cat "$out/x11.env") WAYLAND_DISPLAY=
echo "PASS"
