#!/bin/bash
# Without a display the game says so and ends with exit code 1.
# Usage: sdl_no_display_test.sh <wob executable>
set -u
message=$(env -u DISPLAY -u WAYLAND_DISPLAY ASAN_OPTIONS=detect_leaks=0 timeout 30 "$1" 2>&1)
code=$?
echo "exit code $code, output: $message"
[ "$code" -eq 1 ] || { echo "FAIL: expected exit code 1" >&2; exit 1; }
grep -qi "display" <<<"$message" || { echo "FAIL: the message does not name the display" >&2; exit 1; }
echo "PASS"
