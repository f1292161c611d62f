# Shared by the SDL measurement scripts: the game under trace on a private Xvfb, ended at exit
# (tests/lib/screen_kit.sh). Sourced, not run. The game prints "wob-trace t=<epoch ms> ..."
# lines when WOB_TRACE=1.
# shellcheck shell=bash
lib_poll=0.02  # measurements poll finely
# shellcheck source=../../tests/lib/screen_kit.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/lib/screen_kit.sh"

xvfb_pid=
wob_pid=
stop_game() {
  lib_stop "$wob_pid"
  wob_pid=
}
stop_all() {
  lib_stop_all
  wob_pid=
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

wait_for() { lib_wait_for "$@"; }

# start_xvfb <width>x<height> <work folder>: a private X server on a free display.
start_xvfb() { lib_start_xvfb "$1" "$2" || exit 1; }

# start_game <wob> <log>: the game with its trace on.
start_game() {
  WOB_TRACE=1 ASAN_OPTIONS=detect_leaks=0 "$1" >"$2" 2>&1 &
  wob_pid=$!
  lib_track "$wob_pid"
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
