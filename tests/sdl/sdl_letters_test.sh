#!/bin/bash
# Smoke test of the letters screen on SDL under its own Xvfb: the menu's letters button opens
# it, typed letters show pictures in the play area, they burst and are gone some seconds later,
# the exit button goes back to the menu, and Ctrl+Alt+T ends the game with exit code 0.
# Usage: sdl_letters_test.sh <wob executable> <folder for screenshots and logs>
set -u
wob=$1
out=$2
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

start_game_to_menu
# The play area, less a border of 4 pixels: where the pictures come.
area=$(lib_area frmLetters Frame1 4) || fail "no play area"
play_area_lit() { lib_lit_fraction "$out/$1.png" "$area"; }

open_screen cmdLetters letters
shot letters-empty
empty=$(play_area_lit letters-empty)
echo "empty play area: lit fraction $empty"
lib_above 0.001 "$empty" || fail "the play area is not black before any key"

# One picture per timer tick at most: the letters come slower than the ticks.
xdotool type --delay 400 wobble

pictures_shown() { shot letters; lib_above "$(play_area_lit letters)" 0.003; }
lib_wait_for 15 pictures_shown || fail "no pictures appeared in the play area"
echo "pictures shown: lit fraction $(play_area_lit letters)"

# A picture bursts 21 ticks (about 5 s) after its spawn and is gone five ticks later.
pictures_gone() { shot letters-after; lib_above 0.001 "$(play_area_lit letters-after)"; }
lib_wait_for 30 pictures_gone || fail "the pictures did not burst and go"
echo "pictures gone: lit fraction $(play_area_lit letters-after)"

click_exit frmLetters
end_game
echo "PASS: letters screen shown, burst and closed; screenshots in $out"
