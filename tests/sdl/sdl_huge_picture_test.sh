#!/bin/bash
# A menu picture that declares 23170 x 23170 pixels (2 GB once decoded) on SDL under its own
# Xvfb: the runtime refuses it before decoding, its error box names the file, the game never
# takes more than 100 MB, and it ends with exit code 1 once the box is closed.
# Usage: sdl_huge_picture_test.sh <wob executable> <folder for screenshots and logs> <picture>
set -u
out=$2
huge=$3
app=$out/app
rm -rf "$app" && mkdir -p "$out" && cp -r "$(dirname "$1")" "$app"
wob=$app/$(basename "$1")
cp "$huge" "$app/letUp.jpg"
# shellcheck source=../lib/sdl_game_lib.sh
source "$(dirname "$0")/../lib/sdl_game_lib.sh"

box_named() { grep -q "Invalid picture: $app/letUp.jpg" "$out/wob.log"; }
peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$wob_pid/status"; }

start_xvfb
ASAN_OPTIONS=detect_leaks=0 "$wob" >"$out/wob.log" 2>&1 &
wob_pid=$!
lib_track "$wob_pid"
lib_wait_for 30 has_small_window || fail "no splash window appeared"
xdotool key space
# The box is a window of the game's own; its text also goes to the game's output.
lib_wait_for 20 box_named || fail "no error box naming $app/letUp.jpg"
peak=$(peak_kb)
echo "peak resident memory with the box shown: $((peak / 1024)) MB"
((peak < 100 * 1024)) || fail "the game took $((peak / 1024)) MB for a refused picture"
shot huge-box
# Without a window manager nothing gives the box the focus: the test does, then presses Enter.
# xdotool's search does not see SDL's box window; the window tree does.
box_id() { xwininfo -root -tree | awk '/ "Wobbleton": / { print $1; exit }'; }
box_window() { [ -n "$(box_id)" ]; }
lib_wait_for 20 box_window || fail "no window of the error box"
box=$(box_id)
xdotool windowfocus --sync "$box" key Return
lib_wait_for 20 bash -c "! kill -0 $wob_pid 2>/dev/null" || fail "the game did not end after the box"
wait "$wob_pid"
code=$?
wob_pid=
[ "$code" -eq 1 ] || fail "exit code $code after the error box, expected 1"
echo "PASS: the huge picture was refused with an error box; screenshot in $out"
