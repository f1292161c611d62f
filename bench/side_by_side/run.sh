#!/bin/bash
# Our game beside bambam (Debian's toddler keyboard game, run only as a black-box reference),
# each alone on a private Xvfb at 1024x768 and at 3840x2160, typing 8 keys a second on an
# activity screen: CPU in % of one core and peak resident memory, with our share of bambam's.
# Also our time to the first splash frame and our resident memory on every screen.
# When bambam is not installed, only our game is measured.
# Usage: side_by_side/run.sh <wob> <work folder> [seconds]
#   WOB_SCREEN_GEOMETRY=<screen_geometry> (default: ../bin/screen_geometry beside <wob>'s folder)
set -u
# shellcheck source=../sdl/bench_common.sh
source "$(dirname "$0")/../sdl/bench_common.sh"
wob=$1 work=$2 seconds=${3:-20}
geometry=${WOB_SCREEN_GEOMETRY:-$(dirname "$wob")/../bin/screen_geometry}
sizes=(1024x768 3840x2160)
keys_per_second=8
mkdir -p "$work"
bambam=$(command -v bambam || true)
[ -x /usr/games/bambam ] && bambam=/usr/games/bambam
[ -n "$bambam" ] || echo "bambam is not installed (apt-get install bambam): measuring only our game"
ticks_per_second=$(getconf CLK_TCK)

# utime, stime, cutime and cstime are fields 14 to 17 of /proc/<pid>/stat, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 + $16 + $17 }' "/proc/$1/stat"; }
# Resident memory of a process in kB: now (VmRSS) or its peak so far (VmHWM).
rss_kb() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.0f MB", kb / 1024 }'; }

# The keys typed: letters and digits in turn, one every 1/8 s for the given seconds.
type_keys() {
  local chars=asdfghjkl1234567890qwertyuiop keys=() i
  for ((i = 0; i < $1 * keys_per_second; i++)); do keys+=("${chars:i % ${#chars}:1}"); done
  xdotool key --delay $((1000 / keys_per_second)) "${keys[@]}"
}

# measure <pid> <name>: types for the set seconds; sets cpu_<name> (% of one core over the
# elapsed time) and peak_<name> (peak resident kB).
measure() {
  local pid=$1 name=$2 before after start end
  before=$(cpu_ticks "$pid") start=$(now_ms)
  type_keys "$seconds"
  after=$(cpu_ticks "$pid") end=$(now_ms)
  printf -v "cpu_$name" '%s' "$(awk -v t=$((after - before)) -v hz="$ticks_per_second" \
    -v ms=$((end - start)) 'BEGIN { printf "%.1f", 100 * t / hz / (ms / 1000) }')"
  printf -v "peak_$name" '%s' "$(rss_kb "$pid" VmHWM)"
}

# click <form> <control>: a click on a control of our game, where its own layout puts it.
# shellcheck disable=SC2046
click() { xdotool mousemove $(lib_centre "$1" "$2") click 1; }

# Our game at one size: the measured run on the letters screen, then the resident memory on
# every screen after a few keys there.
# shellcheck disable=SC2154 # wob_pid is set by start_game
measure_ours() {
  local width=$1 height=$2 log=$work/$1x$2/wob.log tag=$3
  lib_geometry "$geometry" "$width" "$height" "$(dirname "$wob")" || exit 1
  start_game "$wob" "$log"
  wait_for 30 grep -qs "present" "$log" || { echo "no splash frame" >&2; exit 1; }
  screens="splash $(mb "$(rss_kb "$wob_pid" VmRSS)")"
  open_menu "$log" "$width" "$height" || exit 1
  screens+=", menu $(mb "$(rss_kb "$wob_pid" VmRSS)")"
  click WOB cmdLetters
  sleep 1
  measure "$wob_pid" "ours_$tag"
  screens+=", letters $(mb "$(rss_kb "$wob_pid" VmRSS)")"
  local button
  for button in cmdNumbers cmdShapes; do
    click frmLetters cmdExit
    sleep 1
    click WOB "$button"
    sleep 1
    type_keys 2
    button=${button#cmd}
    screens+=", ${button,,} $(mb "$(rss_kb "$wob_pid" VmRSS)")"
  done
  click frmLetters cmdExit
  sleep 1
  click WOB cmdColors
  sleep 1
  # shellcheck disable=SC2046
  xdotool mousemove $(lib_centre frmPaint Picture1) mousedown 1 mousemove_relative 100 50 mouseup 1
  type_keys 2
  screens+=", paint $(mb "$(rss_kb "$wob_pid" VmRSS)")"
  # The peak of the whole run, every screen switch included.
  printf -v "peak_ours_$tag" '%s' "$(rss_kb "$wob_pid" VmHWM)"
  printf -v "screens_$tag" '%s' "$screens; peak $(mb "$(rss_kb "$wob_pid" VmHWM)")"
  stop_game
}

# bambam at one size: started, given two seconds to open its window, then measured.
measure_bambam() {
  local log=$work/$1x$2/bambam.log tag=$3 pid
  "$bambam" >"$log" 2>&1 &
  pid=$!
  lib_track "$pid"
  wait_for 30 bash -c "[ -n \"\$(xdotool search --onlyvisible --pid $pid 2>/dev/null)\" ]" ||
    { echo "bambam opened no window (see $log)" >&2; lib_stop "$pid"; return 1; }
  sleep 2
  measure "$pid" "bambam_$tag"
  lib_stop "$pid"
}

# Start to the first splash frame, the median of ten starts (at 1280x800), step by step.
first_frame() {
  "$(dirname "$0")/../sdl/first_frame.sh" "$wob" "$work/first_frame" 10 | tail -n 2
}

for size in "${sizes[@]}"; do
  tag=${size/x/_}
  start_xvfb "$size" "$work/$size"
  measure_ours "${size%x*}" "${size#*x}" "$tag"
  [ -z "$bambam" ] || measure_bambam "${size%x*}" "${size#*x}" "$tag"
  lib_stop_all
done

# One row of the table: a label and one value per size.
row() {
  local label=$1 size values=()
  shift
  for size in "${sizes[@]}"; do values+=("$("$@" "${size/x/_}")"); done
  printf '| %-22s |' "$label"
  printf ' %-11s |' "${values[@]}"
  printf '\n'
}
value() { local name=$1_$2; echo "${!name:--}"; }
cpu() { value "cpu_$1" "$2" | sed 's/[0-9.]$/&%/'; }
peak() {
  local kb
  kb=$(value "peak_$1" "$2")
  if [ "$kb" = - ]; then echo -; else mb "$kb"; fi
}
ratio() {  # ours in % of bambam's
  local ours theirs
  ours=$(value "$1_ours" "$3") theirs=$(value "$1_bambam" "$3")
  [ "$theirs" = - ] && { echo -; return; }
  awk -v a="$ours" -v b="$theirs" -v u="$2" 'BEGIN {
    if (b > 0) printf "%.0f%% (1/%.1f)", 100 * a / b, b / a; else print "-" }'
}

# goal <what> <ours> <bound> <unit>: held when ours is below the bound.
goal() {
  awk -v what="$1" -v ours="$2" -v bound="$3" -v unit="$4" 'BEGIN {
    if (ours == "" || ours == "-" || bound == "" || bound == "-") { printf "%s: not measured\n", what; exit }
    printf "%s: %.2f%s against %.2f%s, %s\n", what, ours, unit, bound, unit,
           (ours + 0 < bound + 0) ? "held" : "missed" }'
}
# The goals: CPU at most 1/10 of bambam's at 1024x768 and 1/50 at 3840x2160, the peak under
# 32 and 64 MB.
goals() {
  local bambam_small=${cpu_bambam_1024_768:-} bambam_big=${cpu_bambam_3840_2160:-}
  goal "CPU at 1024x768 (at most 1/10 of bambam's)" "${cpu_ours_1024_768:-}" \
    "$([ -n "$bambam_small" ] && awk -v b="$bambam_small" 'BEGIN { print b / 10 }')" %
  goal "CPU at 3840x2160 (at most 1/50 of bambam's)" "${cpu_ours_3840_2160:-}" \
    "$([ -n "$bambam_big" ] && awk -v b="$bambam_big" 'BEGIN { print b / 50 }')" %
  goal "peak RSS at 1024x768" "$(awk -v k="${peak_ours_1024_768:-0}" 'BEGIN { print k / 1024 }')" 32 " MB"
  goal "peak RSS at 3840x2160" "$(awk -v k="${peak_ours_3840_2160:-0}" 'BEGIN { print k / 1024 }')" 64 " MB"
}

echo
echo "$keys_per_second keys a second for $seconds s on an activity screen, each game alone on Xvfb"
printf '| %-22s |' ""
printf ' %-11s |' "${sizes[@]}"
printf '\n'
row "our CPU (one core)" cpu ours
row "bambam's CPU" cpu bambam
row "ours / bambam's" ratio cpu %
row "our peak RSS" peak ours
row "bambam's peak RSS" peak bambam
row "ours / bambam's" ratio peak kB
echo
goals
for size in "${sizes[@]}"; do
  name=screens_${size/x/_}
  echo "our memory on each screen at $size: ${!name:-}"
done
first_frame_lines=$(first_frame)
echo "$first_frame_lines"
goal "first splash frame (median of ten)" \
  "$(sed -nE 's/^first splash frame: median ([0-9.]+) ms.*/\1/p' <<<"$first_frame_lines")" 50 " ms"
