#!/usr/bin/env bash
# Runs a command inside a private, headless Wine session: a fresh 64-bit prefix and an own Xvfb.
#
# Usage: with_wine.sh COMMAND [ARGS...]
# Exits with COMMAND's exit code. When WOB_WINE_READY=1 (set for COMMAND by this script), a
# session is already running: the command is simply run in it, so one session can wrap a whole
# test run while each test can still be run alone.
set -u

if [[ "${WOB_WINE_READY:-}" == 1 && -n "${WINEPREFIX:-}" && -n "${DISPLAY:-}" ]]; then
  exec "$@"
fi
if [[ $# -eq 0 ]]; then
  echo "usage: with_wine.sh COMMAND [ARGS...]" >&2
  exit 2
fi

session_dir=""
xvfb_pid=""

cleanup() {
  if [[ -n "$session_dir" && -d "$session_dir/prefix" ]]; then
    WINEPREFIX="$session_dir/prefix" wineserver -k >/dev/null 2>&1
  fi
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  if [[ -n "$session_dir" ]]; then
    rm -rf "$session_dir"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

session_dir=$(mktemp -d "${TMPDIR:-/tmp}/wob-wine.XXXXXX") || exit 1

# A free display number: no socket and no lock file. Xvfb itself refuses a taken one, so a
# race with another starter only costs another try.
display_number=91
while :; do
  while [[ -e "/tmp/.X11-unix/X$display_number" || -e "/tmp/.X$display_number-lock" ]]; do
    display_number=$((display_number + 1))
  done
  Xvfb ":$display_number" -screen 0 1024x768x24 -noreset -nolisten tcp \
    </dev/null >"$session_dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    if DISPLAY=":$display_number" xdpyinfo >/dev/null 2>&1; then break 2; fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
  display_number=$((display_number + 1))
  if ((display_number > 400)); then
    echo "with_wine.sh: no free X display" >&2
    exit 1
  fi
done

export DISPLAY=":$display_number"
export WINEPREFIX="$session_dir/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
export WOB_WINE_READY=1

if ! wineboot -i </dev/null >"$session_dir/wineboot.log" 2>&1; then
  echo "with_wine.sh: wineboot failed" >&2
  cat "$session_dir/wineboot.log" >&2
  exit 1
fi
wineserver -w
# Without a window manager Wine's managed windows take seconds to close.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
# A crashing program ends at once instead of waiting behind Wine's crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  </dev/null >/dev/null 2>&1
wineserver -w
# The server and Wine's own services stay up until the end. The services are started here, with
# no output attached: started by a test, they would hold its output open and the test runner
# would wait for them until its timeout.
wineserver -p </dev/null >/dev/null 2>&1
wine reg query 'HKCU\Software\Wine\X11 Driver' </dev/null >/dev/null 2>&1

"$@" </dev/null
status=$?
exit "$status"
