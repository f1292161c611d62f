#!/bin/bash
# Time from the game's start to its first presented splash frame, over several runs, and the
# median of each step on the way: the program and its libraries loaded ("start" traced), SDL's
# video started, the splash form built and its window made, the first frame drawn and shown.
# Usage: first_frame.sh <wob> <work folder> [runs]
set -u
source "$(dirname "$0")/bench_common.sh"
wob=$1 work=$2 runs=${3:-10}
mkdir -p "$work"
start_xvfb 1280x800 "$work"
steps=(start "video" "window" "present")
: >"$work/steps"
for ((run = 1; run <= runs; ++run)); do
  log=$work/first_frame_$run.log
  start=$(now_ms)
  start_game "$wob" "$log"
  wait_for 30 grep -qs "present" "$log" || { echo "run $run: no frame" >&2; exit 1; }
  line=$start
  for step in "${steps[@]}"; do line+=" $(trace_time "$log" "wob-trace t=[0-9.]+ $step")"; done
  echo "$line" >>"$work/steps"
  stop_game
done
# Each line: the start and the epoch ms of each step.
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] }'; }
column_gap() { awk -v a="$1" -v b="$2" '{ printf "%.3f\n", $b - $a }' "$work/steps" | median; }
echo "first splash frame steps (median ms of $runs): loading $(column_gap 1 2)," \
  "video start $(column_gap 2 3), splash built and its window made $(column_gap 3 4)," \
  "first frame drawn and shown $(column_gap 4 5)"
awk '{ printf "%.1f\n", $5 - $1 }' "$work/steps" | sort -n | awk '{ v[NR] = $1 } END {
  printf "first splash frame: median %.1f ms, best %.1f ms, worst %.1f ms over %d runs\n",
         v[int((NR + 1) / 2)], v[1], v[NR], NR }'
