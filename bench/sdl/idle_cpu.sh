#!/bin/bash
# CPU time the game uses while it idles on the main menu (target: under 1% of one core).
# Usage: idle_cpu.sh <wob> <work folder> [seconds]
set -u
source "$(dirname "$0")/bench_common.sh"
wob=$1 work=$2 seconds=${3:-30}
mkdir -p "$work"
start_xvfb 1280x800 "$work"
log=$work/idle_cpu.log
start_game "$wob" "$log"
open_menu "$log" 1280 800 || exit 1
sleep 1
# utime and stime are fields 14 and 15 of /proc/<pid>/stat, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$wob_pid/stat"; }
ticks_per_second=$(getconf CLK_TCK)
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN {
  printf "idle on the main menu: %.2f s of CPU in %d s = %.2f%% of one core\n",
         t / hz, s, 100 * t / hz / s }'
