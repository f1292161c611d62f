# Shared steps of the SDL smoke tests: the game on its own Xvfb, its windows, its screens.
# Every process started here is ended on every path out (tests/lib/screen_kit.sh).
# Sourced with $wob (the game) and $out (the folder for screenshots and logs) set, and
# WOB_SCREEN_GEOMETRY naming the program that prints where the game's controls stand.
# $wob_assets, when set, names the folder of its pictures (default: the folder of $wob).
# shellcheck shell=bash
: "${wob:?the game}" "${out:?the folder for screenshots and logs}"
: "${WOB_SCREEN_GEOMETRY:?the screen_geometry program}"
# shellcheck source=screen_kit.sh
source "$(dirname "${BASH_SOURCE[0]}")/screen_kit.sh"

screen_w=${screen_w:-1280}
screen_h=${screen_h:-800}
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.log

wob_pid=

fail() {
  echo "FAIL: $*" >&2
  [ -f "$out/wob.log" ] && { echo "--- game output:" >&2; tail -n 40 "$out/wob.log" >&2; }
  exit 1
}

start_xvfb() {
  lib_start_xvfb "${screen_w}x${screen_h}" "$out" || fail "Xvfb did not start"
  lib_geometry "env ASAN_OPTIONS=detect_leaks=0 $WOB_SCREEN_GEOMETRY" "$screen_w" "$screen_h" \
    "${wob_assets:-$(dirname "$wob")}" || fail "no control positions"
}

start_wob() {
  ASAN_OPTIONS=detect_leaks=0 WOB_TRACE=1 "$wob" >"$out/wob.log" 2>&1 &
  wob_pid=$!
  lib_track "$wob_pid"
}

game_windows() { lib_windows_of "$wob_pid"; }
# The full-screen forms open: a window covering the screen, and any below it, which gives its
# memory back by shrinking to one pixel at the same corner while it is hidden.
full_windows() {
  game_windows | awk -v sw=$screen_w -v sh=$screen_h \
    '$2==0 && $3==0 && (($4==sw && $5==sh) || ($4==1 && $5==1))' | wc -l
}
full_windows_are() { [ "$(full_windows)" -eq "$1" ]; }
has_small_window() { game_windows | awk -v sw=$screen_w '$4 < sw' | grep -q .; }

# The game's trace (WOB_TRACE=1) shows the nth full-screen window created and presented.
nth_full_window_presented() {
  local id
  id=$(awk -v sw=$screen_w -v sh=$screen_h -v n="$1" \
    '$3=="window" && $5=="w="sw && $6=="h="sh && ++seen==n {sub("id=","",$4); print $4; exit}' \
    "$out/wob.log")
  [ -n "$id" ] && grep -q "present id=$id " "$out/wob.log"
}

# Starts the game on the running display and closes its splash with a key: the main menu
# covers the screen.
start_wob_to_menu() {
  start_wob
  lib_wait_for 30 has_small_window || fail "no splash window appeared"
  xdotool key space
  lib_wait_for 30 full_windows_are 1 || fail "the main menu did not cover the screen"
  lib_wait_for 30 nth_full_window_presented 1 || fail "the main menu was never presented"
}

# The same on a private Xvfb of its own.
start_game_to_menu() {
  start_xvfb
  start_wob_to_menu
}

# click FORM CONTROL: a click at the centre of one of the game's controls.
click() {
  local point
  point=$(lib_centre "$1" "$2") || fail "no control $2 on $1"
  # shellcheck disable=SC2086
  xdotool mousemove $point click 1
}

# Opens a screen with a click on a menu button; its window covers the menu.
open_screen() {
  local button=$1 what=$2
  click WOB "$button"
  lib_wait_for 30 full_windows_are 2 || fail "the $what screen did not open"
  lib_wait_for 30 nth_full_window_presented 2 || fail "the $what screen was never presented"
}

click_exit() {
  click "$1" cmdExit
  lib_wait_for 30 full_windows_are 1 || fail "the exit button did not close the screen"
}

# Ctrl+Alt+T on the main menu ends the game with exit code 0.
end_game() {
  xdotool key ctrl+alt+t
  lib_wait_for 30 bash -c "! kill -0 $wob_pid 2>/dev/null" || fail "Ctrl+Alt+T did not end the game"
  wait "$wob_pid"
  local code=$?
  wob_pid=
  [ "$code" -eq 0 ] || fail "the game ended with exit code $code"
}

shot() { lib_shot "$out/$1.png" || fail "no screenshot $1"; }
