#!/bin/bash
# Time from the game's start to its first presented splash frame, over several runs.
# Usage: first_frame.sh <wob> <work folder> [runs]
set -u
source "$(dirname "$0")/bench_common.sh"
wob=$1 work=$2 runs=${3:-5}
mkdir -p "$work"
start_xvfb 1280x800 "$work"
times=()
for ((run = 1; run <= runs; ++run)); do
  log=$work/first_frame_$run.log
  start=$(now_ms)
  start_game "$wob" "$log"
  wait_for 30 grep -qs "present" "$log" || { echo "run $run: no frame" >&2; exit 1; }
  frame=$(trace_time "$log" "present")
  times+=("$(awk -v a="$frame" -v b="$start" 'BEGIN { printf "%.1f", a - b }')")
  stop_game
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END {
  printf "first splash frame: median %.1f ms, best %.1f ms, worst %.1f ms over %d runs\n",
         v[int((NR + 1) / 2)], v[1], v[NR], NR }'
