#!/usr/bin/env bash
# Measures WOB.exe under Wine beside the native Linux build, in one run on one headless display:
# the time from start to the splash's first frame on screen, and the CPU time the game uses over
# 30 s idle on the main menu. Prints a small table; asserts nothing.
#
# Usage: measure.sh [WINDOWS_APP_DIR [LINUX_APP_DIR [IDLE_SECONDS]]]
#   defaults: build/windows/app, build/linux/app, 30
#   WOB_SCREEN_GEOMETRY=<screen_geometry> (default: build/linux/bin/screen_geometry)
set -u
repo=$(cd "$(dirname "$0")/../.." && pwd)
if [[ "${WOB_WINE_READY:-}" != 1 ]]; then
  exec bash "$repo/tests/wine/with_wine.sh" bash "$0" "$@"
fi
# shellcheck source=../../tests/lib/screen_kit.sh
source "$repo/tests/lib/screen_kit.sh"  # ends the programs it starts on every way out
windows_app=$(realpath "${1:-$repo/build/windows/app}")
linux_app=$(realpath "${2:-$repo/build/linux/app}")
idle_seconds=${3:-30}
ticks=$(getconf CLK_TCK)
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
# The splash's place, from the game's own layout (at 96 DPI: 492 x 283 pixels, centred), as the
# test scripts take it.
geometry=${WOB_SCREEN_GEOMETRY:-$repo/build/linux/bin/screen_geometry}
lib_geometry "$geometry" "$screen_w" "$screen_h" "$linux_app" || exit 1
splash_crop=$(lib_area frmSplash form) || { echo "no splash in the layout" >&2; exit 1; }
echo "splash area: $splash_crop"

now() { date +%s.%N; }

crop_signature() { import -display "$DISPLAY" -window root -crop "$1" -depth 8 rgb:- | md5sum; }

# Polls the splash's area until it changes from the empty screen; prints the elapsed seconds.
time_to_first_frame() {
  local start=$1 empty=$2 deadline=$((SECONDS + 60))
  while ((SECONDS < deadline)); do
    if [[ "$(crop_signature "$splash_crop")" != "$empty" ]]; then
      awk -v a="$start" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'
      return 0
    fi
  done
  echo "n/a"
}

# The newest process whose command line matches PATTERN and that runs on this display: the
# machine may run other games on other displays.
display_pid() {
  local candidate
  for candidate in $(pgrep -f "$1" | sort -rn); do
    tr '\0' '\n' <"/proc/$candidate/environ" 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" &&
      echo "$candidate" && return 0
  done
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }

# Waits for the menu: the whole screen changes once the splash has gone.
wait_for_menu() {
  local before=$1 deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)); do
    [[ "$(crop_signature "${screen_w}x${screen_h}+0+0")" != "$before" ]] && return 0
    sleep 0.2
  done
}

# measure NAME PID_PATTERN COMMAND...: prints "NAME first-frame cpu-seconds cpu-percent".
measure() {
  local name=$1 pattern=$2
  shift 2
  local empty_splash empty_screen start pid first
  empty_splash=$(crop_signature "$splash_crop")
  empty_screen=$(crop_signature "${screen_w}x${screen_h}+0+0")
  start=$(now)
  "$@" </dev/null >/dev/null 2>&1 &
  local launcher=$!
  lib_track "$launcher"
  first=$(time_to_first_frame "$start" "$empty_splash")
  pid=$(display_pid "$pattern")
  wait_for_menu "$empty_screen"
  sleep 1  # let the menu's first layout settle
  local server_before game_before
  game_before=$(cpu_ticks "$pid")
  server_before=$(cpu_ticks "$(display_pid wineserver)")
  sleep "$idle_seconds"
  local game_used=$(($(cpu_ticks "$pid") - game_before))
  local server_used=$(($(cpu_ticks "$(display_pid wineserver)") - server_before))
  [[ "$name" == native ]] && server_used=0
  awk -v n="$name" -v f="$first" -v g="$game_used" -v s="$server_used" -v t="$ticks" \
    -v i="$idle_seconds" 'BEGIN { printf "%-8s %8s s %10.2f s %8.2f %% %10.2f s\n",
      n, f, g / t, 100 * g / t / i, s / t }'
  kill "$pid" "$launcher" 2>/dev/null
  wait "$launcher" 2>/dev/null
  sleep 1
}

printf "%-8s %10s %12s %10s %12s\n" build first-frame "cpu ${idle_seconds}s" "cpu %" wineserver
if [[ -x "$windows_app/WOB.exe" || -f "$windows_app/WOB.exe" ]]; then
  cd "$windows_app" && measure wine 'WOB\.exe' wine WOB.exe
else
  echo "wine     no $windows_app/WOB.exe"
fi
if [[ -x "$linux_app/wob" ]]; then
  cd "$linux_app" && measure native "$linux_app/wob" "$linux_app/wob"
else
  echo "native   no $linux_app/wob"
fi
