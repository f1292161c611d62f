# Shared by the SDL measurement scripts: a private Xvfb, the game under trace, clean-up.
# Sourced, not run. The game prints "wob-trace t=<epoch ms> ..." lines when WOB_TRACE=1.

xvfb_pid=
wob_pid=
stop_game() {
  [ -n "$wob_pid" ] && kill -9 "$wob_pid" 2>/dev/null && wait "$wob_pid" 2>/dev/null
  wob_pid=
}
stop_all() {
  stop_game
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}
trap stop_all EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Polls a command every 20 ms until it succeeds or the seconds run out.
wait_for() {
  local tries=$(($1 * 50))
  shift
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.02
  done
  return 1
}

# start_xvfb <width>x<height> <work folder>: a private X server on a free display.
start_xvfb() {
  local display_file=$2/display
  : >"$display_file"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
  xvfb_pid=$!
  wait_for 20 grep -qs '[0-9]' "$display_file" || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(tr -dc '0-9' <"$display_file")
}

# start_game <wob> <log>: the game with its trace on.
start_game() {
  WOB_TRACE=1 ASAN_OPTIONS=detect_leaks=0 "$1" >"$2" 2>&1 &
  wob_pid=$!
}

# The trace's epoch ms of the first line matching a pattern; empty when there is none.
trace_time() { grep -m1 -E "$2" "$1" | sed -E 's/.*t=([0-9.]+).*/\1/'; }

# The id of the first window as big as the screen.
full_window_id() {
  awk -v size="w=$2 h=$3" '$3=="window" && ($5" "$6)==size {sub("id=","",$4); print $4; exit}' "$1"
}

# Leaves the splash with a key and waits until the main menu has been presented.
open_menu() {
  local log=$1 width=$2 height=$3
  wait_for 30 grep -qs "present" "$log" || { echo "no splash frame" >&2; return 1; }
  xdotool key space
  wait_for 30 bash -c "[ -n \"\$(awk -v size='w=$width h=$height' '\$3==\"window\" && (\$5\" \"\$6)==size' '$log')\" ]" ||
    { echo "no main menu window" >&2; return 1; }
  local id
  id=$(full_window_id "$log" "$width" "$height")
  wait_for 30 grep -qs "present id=$id " "$log" || { echo "main menu never presented" >&2; return 1; }
}
