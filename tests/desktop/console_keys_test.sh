#!/bin/bash
# The X server's console keys while the game runs, read from the display's keyboard map with
# xkbcomp: the switch-screen (Ctrl+Alt+F1 to F12) and terminate (Ctrl+Alt+Backspace) actions
# are in the map before the main menu, gone while it is loaded (also under a screen opened
# from it), and the map is byte for byte the original again after Ctrl+Alt+T, and once the
# game has ended through the untrapped-error path.
# Usage: console_keys_test.sh <wob executable> <folder for screenshots and logs>
set -u
wob=$1
out=$2
screen_w=800
screen_h=600
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

keymap() { xkbcomp -xkb "$DISPLAY" - 2>/dev/null; }
console_actions() { keymap | grep -cE 'action= *(SwitchScreen|Terminate)\('; }
console_actions_are() { [ "$(console_actions)" -eq "$1" ]; }
map_is_original() { [ "$(keymap | md5sum)" = "$original" ]; }

# Phase checks, one line each: what must hold, and what it means when it does not.
check() {
  local what=$1
  shift
  lib_wait_for 20 "$@" || fail "$what"
  echo "ok: $what"
}

start_xvfb
# The terminate action is off in a default map; this option puts it on Ctrl+Alt+Backspace.
setxkbmap -option terminate:ctrl_alt_bksp || fail "setxkbmap cannot set the terminate option"
original=$(keymap | md5sum)
armed=$(console_actions)
echo "console actions in the original map: $armed"
[ "$armed" -ge 13 ] || fail "the map holds only $armed console actions; expected 12 + 1"

# The ordinary way: splash, menu, a screen over the menu, Ctrl+Alt+T.
start_wob
lib_wait_for 30 has_small_window || fail "no splash window appeared"
check "the splash leaves the map alone" map_is_original
xdotool key space
check "the main menu takes the console actions out" console_actions_are 0
open_screen cmdLetters letters
check "a screen over the menu keeps them out" console_actions_are 0
click_exit frmLetters
check "back on the menu they stay out" console_actions_are 0
end_game
check "Ctrl+Alt+T puts the original map back" map_is_original

# The untrapped-error path: the letters screen cannot load a picture of its own, the runtime
# shows its error box and the game ends with exit code 1.
broken=$out/broken-app
rm -rf "$broken"
mkdir -p "$broken"
for file in "$(dirname "$(realpath "$wob")")"/*; do ln -s "$file" "$broken/$(basename "$file")"; done
rm "$broken/$(basename "$wob")" "$broken/vwxyz-Up.jpg"
cp "$wob" "$broken/"
wob=$broken/$(basename "$wob")
start_wob
lib_wait_for 30 has_small_window || fail "the broken game showed no splash"
xdotool key space
lib_wait_for 30 full_windows_are 1 || fail "the main menu of the broken game did not open"
check "the menu of the broken game takes the console actions out" console_actions_are 0
click WOB cmdLetters
error_box_shows() { grep -q "vwxyz-Up.jpg" "$out/wob.log"; }
check "a missing picture is reported" error_box_shows
# The box is the runtime's, captioned "Wobbleton"; Return, sent to it, presses its one button.
box_gone() {
  local box
  box=$(xwininfo -root -children | awk '/"Wobbleton"/ { print $1; exit }')
  [ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null
  ! kill -0 "$wob_pid" 2>/dev/null
}
lib_wait_for 30 box_gone || fail "the error box did not close"
wait "$wob_pid"
code=$?
wob_pid=
[ "$code" -eq 1 ] || fail "the game ended with exit code $code after its error"
check "after the untrapped error the original map is back" map_is_original
echo "PASS: the console actions are out while the menu is loaded and back afterwards"
