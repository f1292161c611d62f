#!/bin/bash
# Smoke test of the paint screen on SDL under its own Xvfb: the menu's colours button opens it,
# moving the mouse over the white drawing area paints coloured dots, the exit button goes back
# to the menu, and Ctrl+Alt+T ends the game with exit code 0.
# Usage: sdl_paint_test.sh <wob executable> <folder for screenshots and logs>
set -u
wob=$1
out=$2
# shellcheck source=sdl_game_lib.sh
source "$(dirname "$0")/sdl_game_lib.sh"

# The drawing area: inside the 200-twip margins, above the row of buttons.
area=(1240 640 20 20)
drawing_coloured() { coloured_fraction "$1" "${area[@]}"; }

start_game_to_menu
open_screen $((screen_w * 3 / 4)) $((screen_h * 3 / 5)) paint
shot paint-empty
empty=$(drawing_coloured paint-empty)
echo "empty drawing area: coloured fraction $empty"
above 0.0005 "$empty" || fail "the drawing area is not white before painting"

# A colour button by its place in the row, 1 at the right edge: 200-twip gaps, buttons scaled
# from 495 twips by the width ratio.
click_colour() {
  local place=$1
  local form_width=$((screen_w * twips_per_pixel))     # twips
  local width=$((495 * form_width / 6060))              # twips
  local left=$(((form_width - 200 * place - place * width) / twips_per_pixel))  # pixels
  xdotool mousemove $((left + width / twips_per_pixel / 2)) $((screen_h - 60)) click 1
}

# Each move paints one dot; the moves come slowly enough to be seen one by one.
stroke() {
  local y=$1 x
  for x in $(seq 100 12 1180); do
    xdotool mousemove "$x" "$y"
    sleep 0.01
  done
}

# Red (place 6), yellow (place 4) and blue (place 1), one stroke each.
rows=(150 300 450)
colours=("rgb(245,0,0)" "rgb(255,255,0)" "rgb(51,0,255)")
click_colour 6
stroke "${rows[0]}"
click_colour 4
stroke "${rows[1]}"
click_colour 1
stroke "${rows[2]}"

painted() { shot paint; above "$(drawing_coloured paint)" 0.005; }
wait_for 15 painted || fail "moving the mouse painted nothing"
echo "painted: coloured fraction $(drawing_coloured paint)"

# Each stroke in the colour chosen before it: a band of 40 pixels around its row.
for i in 0 1 2; do
  band=$(pen_fraction paint "${colours[i]}" 1100 40 80 $((rows[i] + 125 / twips_per_pixel - 20)))
  echo "stroke $((i + 1)) in ${colours[i]}: fraction $band"
  above "$band" 0.05 || fail "stroke $((i + 1)) is not in ${colours[i]}"
done

click_exit
end_game
echo "PASS: paint screen painted and closed; screenshots in $out"
