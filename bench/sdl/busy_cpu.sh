#!/bin/bash
# CPU time the game uses while a child keeps it busy: a key held with auto-repeat on the letters
# screen (30 presses a second), and the mouse moving without pause over the paint screen
# (100 moves a second).
# Usage: WOB_SCREEN_GEOMETRY=<screen_geometry> busy_cpu.sh <wob> <work folder> [seconds]
set -u
source "$(dirname "$0")/bench_common.sh"
wob=$1 work=$2 seconds=${3:-30}
width=1280 height=800
mkdir -p "$work"
ticks_per_second=$(getconf CLK_TCK)
# utime and stime are fields 14 and 15 of /proc/<pid>/stat, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$wob_pid/stat"; }

# measure <what> <command...>: the game's CPU while the command runs.
measure() {
  local what=$1 before after
  shift
  before=$(cpu_ticks)
  "$@"
  after=$(cpu_ticks)
  awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" -v w="$what" 'BEGIN {
    printf "%s: %.2f s of CPU in %d s = %.1f%% of one core\n", w, t / hz, s, 100 * t / hz / s }'
}

hold_key() { xdotool key --delay 33 --repeat $((seconds * 30)) a; }

# One xdotool run with a move every 10 ms, back and forth across the drawing area, whose place
# comes from the game's own layout.
move_mouse() {
  local moves=() i area w h x y
  area=$(lib_area frmPaint Picture1 10) || { echo "no drawing area in the layout" >&2; return 1; }
  IFS='x+' read -r w h x y <<<"$area"
  for ((i = 0; i < seconds * 100; i++)); do
    moves+=(mousemove $((x + (i * 7) % w)) $((y + (i * 3) % h)) sleep 0.01)
  done
  xdotool "${moves[@]}"
}

start_xvfb "${width}x${height}" "$work"
lib_geometry "${WOB_SCREEN_GEOMETRY:?the screen_geometry program}" "$width" "$height" \
  "$(dirname "$wob")" || exit 1
# shellcheck disable=SC2046
click() { xdotool mousemove $(lib_centre "$1" "$2") click 1; }
start_game "$wob" "$work/busy_cpu.log"
open_menu "$work/busy_cpu.log" "$width" "$height" || exit 1
click WOB cmdLetters
sleep 1
measure "key held on the letters screen" hold_key
click frmLetters cmdExit
sleep 1
click WOB cmdColors
sleep 1
measure "mouse moving on the paint screen" move_mouse
