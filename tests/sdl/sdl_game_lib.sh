# Shared steps of the SDL smoke tests: own Xvfb, the game, its windows, screenshots, cleanup.
# Every process started here is killed on every path out.
# Sourced with $wob (the game) and $out (the folder for screenshots and logs) set.
# shellcheck shell=bash
: "${wob:?the game}" "${out:?the folder for screenshots and logs}"

screen_w=1280
screen_h=800
twips_per_pixel=15
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
  [ -f "$out/wob.log" ] && { echo "--- game output:" >&2; tail -n 40 "$out/wob.log" >&2; }
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
  DISPLAY=:$(tr -dc '0-9' <"$display_file")
  export DISPLAY
}

# The visible windows of the game, one "id x y w h" line each.
game_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$wob_pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}

full_windows() {
  game_windows | awk -v sw=$screen_w -v sh=$screen_h '$2==0 && $3==0 && $4==sw && $5==sh' | wc -l
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

# Starts the game and closes its splash with a key: the main menu covers the screen.
start_game_to_menu() {
  start_xvfb
  ASAN_OPTIONS=detect_leaks=0 WOB_TRACE=1 "$wob" >"$out/wob.log" 2>&1 &
  wob_pid=$!
  wait_for 30 has_small_window || fail "no splash window appeared"
  xdotool key space
  wait_for 30 full_windows_are 1 || fail "the main menu did not cover the screen"
  wait_for 30 nth_full_window_presented 1 || fail "the main menu was never presented"
}

# Opens a screen with a click on a menu button; its window covers the menu.
open_screen() {
  local x=$1 y=$2 what=$3
  xdotool mousemove "$x" "$y" click 1
  wait_for 30 full_windows_are 2 || fail "the $what screen did not open"
  wait_for 30 nth_full_window_presented 2 || fail "the $what screen was never presented"
}

# The screen's exit button stands 200 twips from the left and the bottom edge of the screen.
click_exit() {
  local inset=$((200 / twips_per_pixel + 20))
  xdotool mousemove "$inset" $((screen_h - inset)) click 1
  wait_for 30 full_windows_are 1 || fail "the exit button did not close the screen"
}

# Ctrl+Alt+T on the main menu ends the game with exit code 0.
end_game() {
  xdotool key ctrl+alt+t
  wait_for 30 bash -c "! kill -0 $wob_pid 2>/dev/null" || fail "Ctrl+Alt+T did not end the game"
  wait "$wob_pid"
  local code=$?
  wob_pid=
  [ "$code" -eq 0 ] || fail "the game ended with exit code $code"
}

shot() { import -window root "$out/$1.png" || fail "no screenshot $1"; }

# The fraction of pixels in an area (w h x y) of a screenshot that are not black (letters and
# fireworks on the black play area) or that are strongly coloured (paint on white).
lit_fraction() {
  convert "$out/$1.png" -crop "${2}x${3}+${4}+${5}" +repage -colorspace Gray -threshold 10% \
    -format '%[fx:mean]' info:
}
coloured_fraction() {
  convert "$out/$1.png" -crop "${2}x${3}+${4}+${5}" +repage -colorspace HSL -channel G \
    -separate +channel -threshold 50% -format '%[fx:mean]' info:
}
# The fraction of pixels in an area (w h x y) painted in one pen colour.
pen_fraction() {
  convert "$out/$1.png" -crop "${3}x${4}+${5}+${6}" +repage -fuzz 10% -fill black +opaque "$2" \
    -fill white -opaque "$2" -colorspace Gray -format '%[fx:mean]' info:
}
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
