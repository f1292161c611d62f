#!/usr/bin/env bash
# WOB.exe under Wine, driven as a person would: keys and clicks through SendInput, windows read
# from the window list, the screen from screenshots. Runs inside tests/wine/with_wine.sh.
#
# Usage: wine_game.sh CASE APP_DIR DRIVER WORK_DIR
#   screens        splash, main menu, a screen over it, its exit button, Ctrl+Alt+T (exit 0)
#   missing_asset  a copy of the game without letUp.jpg: the error box names it, exit 1
#   unicode_folder a copy of the game in a folder named with non-ASCII letters still comes up
set -u
case_name=$1 app_dir=$2 driver=$3 work_root=$4
work="$work_root/$case_name"
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/wine_game_lib.sh"

case_screens() {
  start_game "$app_dir"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)

  # The splash: a client area of 7380 x 4245 twips (492 x 283 pixels at 96 DPI), centred.
  local splash_x=$(((screen_w - 492) / 2)) splash_y=$(((screen_h - 283) / 2))
  expect_forms 20 "|$splash_x $splash_y $((splash_x + 492)) $((splash_y + 283))" ||
    fail "no centred 492 x 283 splash window"
  shoot "$work/splash.png"

  # With no input the menu follows about five seconds later and covers the screen.
  local full="0 0 $screen_w $screen_h"
  expect_forms 30 "Kinderkit|$full" || fail "the main menu does not cover the screen"
  shoot "$work/menu.png"
  not_blank "$work/menu.png" || fail "the main menu's screenshot is blank"

  # Keys a child must not use do nothing: Alt+F4, the Windows keys and the punctuation keys
  # that the keyboard hook swallows (unswallowed, ';' would open a screen).
  drive keys 0x12+0x73 0x5B 0x5C 0xBA 0xBF 0xC0 0xDB 0xDD 0xDE >/dev/null
  keeps_forms 3 "Kinderkit|$full" || fail "a swallowed key or Alt+F4 changed the menu"

  # A character key opens one of the four screens, a second full-screen window, on top.
  drive keys 0x41 >/dev/null
  expect_forms 15 "*|$full" "Kinderkit|$full" || fail "no screen opened over the menu"
  shoot "$work/screen.png"
  differs "$work/menu.png" "$work/screen.png" || fail "the screen does not cover the menu"

  # Its exit button, bottom left: left 200 twips, top H - 200 - h, h = 495 x H / 4215.
  drive mouse $(exit_button_centre "$screen_w" "$screen_h") >/dev/null
  expect_forms 15 "Kinderkit|$full" || fail "the exit button did not close the screen"

  # The parent's exit: Ctrl+Alt+T ends the game normally.
  drive keys 0x11+0x12+0x54 >/dev/null
  wait_game_exit 20 || fail "Ctrl+Alt+T did not end the game"
  [[ "$game_code" == 0 ]] || fail "exit code $game_code after Ctrl+Alt+T, expected 0"
}

case_missing_asset() {
  local copy="$work/app"
  cp -r "$app_dir" "$copy"
  find "$copy" -maxdepth 1 -iname letUp.jpg -delete
  start_game "$copy"

  # The menu's load fails on the first button picture; the runtime's box names the file.
  local title box
  title=$(wait_message_box 40) || fail "no error box appeared"
  box=$(drive msgbox "$title" 2000) || fail "the dialog \"$title\" is no message box"
  [[ "$box" == *letUp.jpg* ]] || fail "the error box does not name letUp.jpg: $box"
  drive dismiss "$title" >/dev/null || fail "cannot dismiss the error box"
  wait_game_exit 20 || fail "the game did not end after the error box"
  [[ "$game_code" == 1 ]] || fail "exit code $game_code after the error box, expected 1"
}

# The game in a folder whose name has a character outside ASCII: assets and companion load.
case_unicode_folder() {
  local copy="$work/Spielzimmer-\u00fc-\u00e9"
  copy=$(printf '%b' "$copy")
  cp -r "$app_dir" "$copy"
  start_game "$copy"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  expect_forms 30 "Kinderkit|0 0 $screen_w $screen_h" || fail "the menu did not come up"
  drive keys 0x11+0x12+0x54 >/dev/null
  wait_game_exit 20 || fail "Ctrl+Alt+T did not end the game"
  [[ "$game_code" == 0 ]] || fail "exit code $game_code, expected 0"
}

case "$case_name" in
  screens) case_screens ;;
  missing_asset) case_missing_asset ;;
  unicode_folder) case_unicode_folder ;;
  *) echo "unknown case $case_name" >&2; exit 2 ;;
esac
finish
