#!/bin/bash
# Nothing of the lockdown outlives the game on X, however it ends. Killed (SIGKILL), told to end
# (SIGTERM) or cut off from the display (its X connection closed by the server): within one
# second of the game's end the keyboard map is byte for byte the one from before the game, and
# the keeper of the console keys the game started is gone. A layout switch during play: the new layout's console
# keys are taken out too, and after Ctrl+Alt+T the display holds exactly the new layout's map.
# Usage: game_end_test.sh <wob executable> <folder for logs>
set -u
wob=$1
out=$2
screen_w=800
screen_h=600
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

keymap_md5() { xkbcomp -xkb "$DISPLAY" - 2>/dev/null | md5sum; }
console_actions() { xkbcomp -xkb "$DISPLAY" - 2>/dev/null | grep -cE 'action= *(SwitchScreen|Terminate)\('; }
console_actions_are() { [ "$(console_actions)" -eq "$1" ]; }
map_is() { [ "$(keymap_md5)" = "$1" ]; }
# Gone, or a zombie that only waits for whoever adopted it to collect it.
gone() { [[ "$(ps -o stat= -p "$1" 2>/dev/null)" != [^Z]* ]]; }

# within_a_second CHECK...: the check holds now or within one second.
within_a_second() {
  local start=${EPOCHREALTIME/./}
  until "$@"; do
    ((${EPOCHREALTIME/./} - start < 1000000)) || return 1
    sleep 0.05
  done
}

# The game on its main menu, the console keys out, and its watcher known.
start_to_menu() {
  start_wob
  lib_wait_for 30 has_small_window || fail "$1: no splash window appeared"
  xdotool key space
  lib_wait_for 30 console_actions_are 0 || fail "$1: the main menu left the console keys in"
  watcher=$(pgrep -P "$wob_pid" -f -- --hold-console-keys) || fail "$1: no keeper of the keys"
}

start_xvfb
# The terminate action is off in a default map; this option puts it on Ctrl+Alt+Backspace.
setxkbmap -option terminate:ctrl_alt_bksp || fail "setxkbmap cannot set the terminate option"
setxkbmap -layout de && de_map=$(keymap_md5) || fail "setxkbmap has no German layout"
setxkbmap -layout us && original=$(keymap_md5)
console_actions_are 0 && fail "the map holds no console actions to take out"

for way in SIGKILL SIGTERM "X connection closed"; do
  start_to_menu "$way"
  case $way in
    SIG*) kill -s "${way#SIG}" "$wob_pid" ;;
    *) xkill -id "$(xdotool search --pid "$wob_pid" | head -n 1)" >/dev/null ;;
  esac
  # The second counts from the end of the game's process, which a lost connection ends at once.
  lib_wait_for 10 gone "$wob_pid" || fail "$way: the game did not end"
  within_a_second map_is "$original" || fail "$way: the keyboard map was not back within a second"
  within_a_second gone "$watcher" || fail "$way: the keeper of the keys outlived the game by a second"
  lib_stop "$wob_pid"
  wob_pid=
  echo "ok: $way puts the keyboard map back"
done

start_to_menu "layout switch"
setxkbmap -layout de || fail "setxkbmap did not switch the layout"
within_a_second console_actions_are 0 || fail "the new layout's console keys stayed in"
end_game
within_a_second map_is "$de_map" || fail "after Ctrl+Alt+T the map is not the new layout's own"
echo "ok: a layout switch during play"
echo "PASS: the keyboard map outlives no way of ending the game"
