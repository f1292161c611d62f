#!/bin/bash
# Smoke test of the SDL game under its own Xvfb without a window manager: the splash is a
# small centred window, the main menu covers the screen and is drawn, the lockdown keeps
# the escape keys from the menu, and Ctrl+Alt+T ends the game with exit code 0.
# Usage: sdl_smoke_test.sh <wob executable> <folder for screenshots and logs>
set -u

wob=$1
out=$2
screen_w=1280
screen_h=800
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.log

xvfb_pid=
wob_pid=
cleanup() {
  [ -n "$wob_pid" ] && kill -9 "$wob_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$out/wob.log" ] && { echo "--- game output:" >&2; cat "$out/wob.log" >&2; }
  exit 1
}

# Polls a command every 0.1 s until it succeeds or the seconds run out.
wait_for() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Xvfb picks a free display itself and writes its number once it accepts clients.
start_xvfb() {
  local display_file=$out/display
  : >"$display_file"
  Xvfb -displayfd 3 -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp -noreset \
    3>"$display_file" 2>"$out/xvfb.log" &
  xvfb_pid=$!
  wait_for 20 grep -q '[0-9]' "$display_file" || fail "Xvfb did not start"
  export DISPLAY=:$(tr -dc '0-9' <"$display_file")
}

game_running() { kill -0 "$wob_pid" 2>/dev/null; }

# The visible windows of the game, one "id x y w h" line each.
game_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$wob_pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}

has_small_window() { game_windows | awk -v sw=$screen_w '$4 < sw' | grep -q .; }
has_full_window() {
  game_windows | awk -v sw=$screen_w -v sh=$screen_h '$2==0 && $3==0 && $4==sw && $5==sh' |
    grep -q .
}
# The trace shows a present of a window as big as the screen.
menu_presented() {
  local id
  id=$(awk -v sw=$screen_w -v sh=$screen_h \
    '$3=="window" && $5=="w="sw && $6=="h="sh {sub("id=","",$4); print $4; exit}' "$out/wob.log")
  [ -n "$id" ] && grep -q "present id=$id " "$out/wob.log"
}

deviation() { convert "$1" -format '%[fx:standard_deviation]' info:; }

start_xvfb
ASAN_OPTIONS=detect_leaks=0 WOB_TRACE=1 "$wob" >"$out/wob.log" 2>&1 &
wob_pid=$!

# The splash: a small window, centred.
wait_for 30 has_small_window || fail "no splash window appeared"
read -r _ x y w h < <(game_windows | head -n 1)
import -window root "$out/splash.png" || fail "no screenshot of the splash"
echo "splash window at $x,$y size ${w}x${h}"
((w < screen_w && h < screen_h)) || fail "the splash is not a small window"
dx=$((2 * x + w - screen_w))
dy=$((2 * y + h - screen_h))
((dx * dx <= 4 && dy * dy <= 4)) || fail "the splash is not centred"

# Any character key closes the splash; the menu then covers the screen.
xdotool key space
wait_for 30 has_full_window || fail "the main menu did not cover the screen"
wait_for 30 menu_presented || fail "the main menu was never presented"
import -window root "$out/menu.png" || fail "no screenshot of the menu"
menu_deviation=$(deviation "$out/menu.png")
echo "main menu screenshot deviation $menu_deviation"
awk -v d="$menu_deviation" 'BEGIN { exit !(d > 0.02) }' || fail "the main menu looks blank"

# Every character opens a screen from the menu, so these keys must be swallowed for
# Ctrl+Alt+T to reach the menu and end the game.
xdotool key semicolon slash grave bracketleft bracketright apostrophe super alt+Tab
xdotool key ctrl+alt+t
wait_for 30 bash -c "! kill -0 $wob_pid 2>/dev/null" || fail "Ctrl+Alt+T did not end the game"
wait "$wob_pid"
code=$?
wob_pid=
[ "$code" -eq 0 ] || fail "the game ended with exit code $code"
echo "PASS: splash, main menu and Ctrl+Alt+T; screenshots in $out"
