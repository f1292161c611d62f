#!/bin/bash
# Time to bring up the main menu at 1920x1080 and 3840x2160: from its window's creation to
# its first frame on screen (load, render and present), and the first present alone.
# Usage: menu_render.sh <wob> <work folder> [runs]
set -u
source "$(dirname "$0")/bench_common.sh"
wob=$1 work=$2 runs=${3:-3}
mkdir -p "$work"
for size in 1920x1080 3840x2160; do
  width=${size%x*} height=${size#*x}
  start_xvfb "$size" "$work"
  for ((run = 1; run <= runs; ++run)); do
    log=$work/menu_${size}_$run.log
    start_game "$wob" "$log"
    open_menu "$log" "$width" "$height" || exit 1
    id=$(full_window_id "$log" "$width" "$height")
    created=$(trace_time "$log" "window id=$id ")
    presented=$(trace_time "$log" "present id=$id ")
    present_ms=$(grep -m1 "present id=$id " "$log" | sed -E 's/.*ms=([0-9.]+).*/\1/')
    awk -v c="$created" -v p="$presented" -v d="$present_ms" -v s="$size" -v r="$run" 'BEGIN {
      printf "main menu %s run %d: window to first frame %.1f ms, first present %.1f ms\n",
             s, r, p - c, d }'
    stop_game
  done
  stop_all
done
