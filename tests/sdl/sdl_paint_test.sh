#!/bin/bash
# Smoke test of the paint screen on SDL under its own Xvfb: the menu's colours button opens it,
# moving the mouse over the white drawing area paints coloured dots, the exit button goes back
# to the menu, and Ctrl+Alt+T ends the game with exit code 0.
# Usage: sdl_paint_test.sh <wob executable> <folder for screenshots and logs>
set -u
wob=$1
out=$2
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

start_game_to_menu
# The drawing area, less a border of 4 pixels.
area=$(lib_area frmPaint Picture1 4) || fail "no drawing area"
drawing_coloured() { lib_coloured_fraction "$out/$1.png" "$area"; }

open_screen cmdColors paint
shot paint-empty
empty=$(drawing_coloured paint-empty)
echo "empty drawing area: coloured fraction $empty"
lib_above 0.0005 "$empty" || fail "the drawing area is not white before painting"

# Each move paints one dot; the moves come slowly enough to be seen one by one.
stroke() {
  local y=$1 x
  for x in $(seq 100 12 1180); do
    xdotool mousemove "$x" "$y"
    sleep 0.01
  done
}

# Red, yellow and blue, one stroke each.
rows=(150 300 450)
buttons=(cmdTriangle cmdHeart cmdSquare)
colours=("rgb(245,0,0)" "rgb(255,255,0)" "rgb(51,0,255)")
for i in 0 1 2; do
  click frmPaint "${buttons[i]}"
  stroke "${rows[i]}"
done

painted() { shot paint; lib_above "$(drawing_coloured paint)" 0.005; }
lib_wait_for 15 painted || fail "moving the mouse painted nothing"
echo "painted: coloured fraction $(drawing_coloured paint)"

# Each stroke in the colour chosen before it: a band of 40 pixels around its row.
for i in 0 1 2; do
  band=$(lib_colour_fraction "$out/paint.png" "${colours[i]}" "1100x40+80+$((rows[i] - 12))")
  echo "stroke $((i + 1)) in ${colours[i]}: fraction $band"
  lib_above "$band" 0.05 || fail "stroke $((i + 1)) is not in ${colours[i]}"
done

click_exit frmPaint
end_game
echo "PASS: paint screen painted and closed; screenshots in $out"
