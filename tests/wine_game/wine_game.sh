#!/usr/bin/env bash
# WOB.exe under Wine, driven as a person would: keys and clicks through SendInput, windows read
# from the window list, the screen from screenshots. Runs inside tests/wine/with_wine.sh.
#
# Usage: wine_game.sh CASE APP_DIR DRIVER WORK_DIR
#   screens        splash, main menu, a screen over it, its exit button, Ctrl+Alt+T (exit 0)
#   missing_asset  a copy of the game without letUp.jpg: the error box names it, exit 1
#   huge_picture   letUp.jpg declaring 23170 x 23170 pixels: refused at once with the error box
#                  naming it, the game never over 100 MB, exit 1
#   unicode_folder a copy of the game in a folder named with non-ASCII letters still comes up
#   letters        letters typed on the letters screen show pictures that burst and are gone
#   paint          moving the mouse over the paint screen's drawing area paints coloured dots
#   voice          with SpeakNames=1 and Language=de in the settings file, a typed letter is
#                  heard through Wine's ALSA driver, recorded to a file, beside a silent firework
#   panel          Ctrl+Alt+O held on the menu opens the parent panel; a click switches spoken
#                  names on in the settings file; the close button goes back; the exit keeps the
#                  game's figures
set -u
case_name=$1 app_dir=$2 driver=$3 work_root=$4
work="$work_root/$case_name"
rm -rf "$work" && mkdir -p "$work"
source "$(dirname "$0")/../lib/wine_game_lib.sh"
begin_clean

case_screens() {
  start_game "$app_dir"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)

  # The splash: a client area of 7380 x 4245 twips, centred.
  local splash
  splash=$(splash_box) || fail "no control positions"
  expect_forms 20 "|$splash" || fail "no centred splash window at $splash"
  lib_shot "$work/splash.png"

  # With no input the menu follows about five seconds later and covers the screen.
  local full="0 0 $screen_w $screen_h"
  expect_forms 30 "Kinderkit|$full" || fail "the main menu does not cover the screen"
  lib_shot "$work/menu.png"
  not_blank "$work/menu.png" || fail "the main menu's screenshot is blank"

  # Keys a child must not use do nothing: Alt+F4, the Windows keys and the punctuation keys
  # that the keyboard hook swallows (unswallowed, ';' would open a screen).
  drive keys 0x12+0x73 0x5B 0x5C 0xBA 0xBF 0xC0 0xDB 0xDD 0xDE >/dev/null
  keeps_forms 3 "Kinderkit|$full" || fail "a swallowed key or Alt+F4 changed the menu"

  # A character key opens one of the four screens, a second full-screen window, on top.
  drive keys 0x41 >/dev/null
  expect_forms 15 "*|$full" "Kinderkit|$full" || fail "no screen opened over the menu"
  lib_shot "$work/screen.png"
  differs "$work/menu.png" "$work/screen.png" || fail "the screen does not cover the menu"

  # Its exit button, bottom left, where every screen has it.
  drive mouse $(centre frmLetters cmdExit) >/dev/null
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

case_huge_picture() {
  local copy="$work/app" title box peak
  cp -r "$app_dir" "$copy"
  find "$copy" -maxdepth 1 -iname letUp.jpg -delete
  cp "$(dirname "$0")/../fuzz/corpus/picture/huge-declared-size.jpg" "$copy/letUp.jpg"
  start_game "$copy"
  title=$(wait_message_box 40) || fail "no error box appeared"
  box=$(drive msgbox "$title" 2000) || fail "the dialog \"$title\" is no message box"
  [[ "$box" == *"Invalid picture"*letUp.jpg* ]] || fail "the error box does not refuse letUp.jpg: $box"
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status")
  echo "peak resident memory with the box shown: $((peak / 1024)) MB"
  ((peak < 100 * 1024)) || fail "the game took $((peak / 1024)) MB for a refused picture"
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

# Waits for the menu, then opens the screen of the menu button (cmdLetters, cmdColors).
open_from_menu() {
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  full="0 0 $screen_w $screen_h"
  expect_forms 30 "Kinderkit|$full" || fail "the main menu did not come up"
  drive mouse $(centre WOB "$1") >/dev/null
  expect_forms 15 "Kinderkit|$full" "Kinderkit|$full" || fail "the $1 button opened no screen"
  area=$(play_area)
}

# Leaves the screen with its exit button, then the game with Ctrl+Alt+T.
leave_screen_and_game() {
  drive mouse $(centre frmLetters cmdExit) >/dev/null
  expect_forms 15 "Kinderkit|$full" || fail "the exit button did not close the screen"
  drive keys 0x11+0x12+0x54 >/dev/null
  wait_game_exit 20 || fail "Ctrl+Alt+T did not end the game"
  [[ "$game_code" == 0 ]] || fail "exit code $game_code after Ctrl+Alt+T, expected 0"
}

# Waits up to SECONDS until the play area of a fresh screenshot SHOT has at least MIN (or, with
# MIN 0, no) bright pixels.
wait_play_area() {
  local deadline=$((SECONDS + $1)) shot=$2 min=$3 count
  while :; do
    lib_shot "$shot"
    count=$(lib_lit_pixels "$shot" "$area")
    if ((min > 0 ? count >= min : count == 0)); then return 0; fi
    ((SECONDS < deadline)) || return 1
    sleep 0.3
  done
}

case_letters() {
  start_game "$app_dir"
  open_from_menu cmdLetters
  wait_play_area 2 "$work/empty.png" 0 || fail "the play area is not black at first"

  # One letter a tick: each spawns a picture of its own.
  local key
  for key in 0x57 0x4F 0x42 0x54 0x4E; do
    drive keys "$key" >/dev/null
    sleep 0.3
  done
  wait_play_area 3 "$work/letters.png" 2000 || fail "no pictures appeared in the play area"
  # Each bursts 21 to 26 ticks (about 6.5 s) after its spawn and is then removed.
  wait_play_area 12 "$work/after.png" 0 || fail "the play area is not black again"
  leave_screen_and_game
}

case_paint() {
  start_game "$app_dir"
  open_from_menu cmdColors
  local before after points=() x
  lib_shot "$work/before.png"
  before=$(lib_coloured_pixels "$work/before.png" "$area")

  # A stroke across the drawing area with no button held.
  for ((x = screen_w / 8; x <= screen_w * 7 / 8; x += 16)); do
    points+=("$x" "$((screen_h / 3 + x / 8))")
  done
  drive move "${points[@]}" >/dev/null
  lib_shot "$work/paint.png"
  after=$(lib_coloured_pixels "$work/paint.png" "$area")
  ((after > before + 1500)) || fail "the stroke painted $((after - before)) coloured pixels"
  leave_screen_and_game
}

# The game's sound goes through Wine's ALSA driver into a file. In a copy of the game the firework
# is silent and only the German voice is left, so whatever is heard is the German name.
case_voice() {
  local copy="$work/app" appdata settings
  cp -r "$app_dir" "$copy"
  find "$copy/voices" -mindepth 1 -maxdepth 1 ! -name de -exec rm -rf {} +
  sox -n -r 16000 -c 1 -b 16 "$copy/fire1.wav" trim 0 0.5
  appdata=$(winepath -u "$(wine cmd /c "echo %APPDATA%" </dev/null 2>/dev/null | tr -d '\r')")
  settings="$appdata/Wobbleton Playboard"
  mkdir -p "$settings"
  printf '[Playboard]\r\nSpeakNames=1\r\nLanguage=de\r\n' >"$settings/settings.ini"
  mkdir -p "$work/home"
  printf 'pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' \
    "$work/heard.raw" >"$work/home/.asoundrc"
  : >"$work/heard.raw"
  HOME="$work/home" WINEDLLOVERRIDES="mscoree,mshtml=;winepulse.drv=" start_game "$copy"
  open_from_menu cmdLetters
  heard() { [[ -n "$(tr -d '\000' <"$work/heard.raw" | head -c 1)" ]]; }
  heard && fail "something was heard before any picture appeared"
  drive keys 0x41 >/dev/null
  local deadline=$((SECONDS + 15))
  until heard; do
    ((SECONDS < deadline)) || fail "the letter's name was not heard"
    sleep 0.3
  done
  leave_screen_and_game
  rm -f "$settings/settings.ini"
}

# The game's settings file in this Wine prefix's roaming application data.
settings_file() {
  find "${WINEPREFIX:?}/drive_c/users" -path '*/Wobbleton Playboard/settings.ini' 2>/dev/null |
    head -n 1
}

case_panel() {
  local file
  file=$(settings_file)
  [[ -n "$file" ]] && rm -f "$file"
  start_game "$app_dir"
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  full="0 0 $screen_w $screen_h"
  expect_forms 30 "Kinderkit|$full" || fail "the main menu did not come up"
  drive keys -hold 2600 0x11+0x12+0x4F >/dev/null
  expect_forms 15 "Kinderkit|$full" "Kinderkit|$full" || fail "holding Ctrl+Alt+O opened no panel"
  lib_shot "$work/panel.png"
  drive mouse $(centre frmParent cmdSpeakNames) >/dev/null
  local deadline=$((SECONDS + 10))
  until file=$(settings_file) && [[ -n "$file" ]] && grep -q '^SpeakNames=1' "$file"; do
    ((SECONDS < deadline)) || fail "spoken names were not written on"
    sleep 0.2
  done
  lib_shot "$work/panel-on.png"
  drive mouse $(centre frmParent cmdClose) >/dev/null
  expect_forms 15 "Kinderkit|$full" || fail "the close button did not go back to the menu"
  drive keys 0x11+0x12+0x54 >/dev/null
  wait_game_exit 20 || fail "Ctrl+Alt+T did not end the game"
  grep -q '^\[LastGame\]' "$file" || fail "the game's figures were not kept"
  rm -f "$file"  # the next tests play with the defaults
}

case "$case_name" in
  screens) case_screens ;;
  missing_asset) case_missing_asset ;;
  huge_picture) case_huge_picture ;;
  unicode_folder) case_unicode_folder ;;
  letters) case_letters ;;
  paint) case_paint ;;
  voice) case_voice ;;
  panel) case_panel ;;
  *) echo "unknown case $case_name" >&2; exit 2 ;;
esac
finish
