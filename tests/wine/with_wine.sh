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

# shellcheck source=../lib/screen_kit.sh
source "$(dirname "$0")/../lib/screen_kit.sh"

session_dir=""

cleanup() {
  if [[ -n "$session_dir" && -d "$session_dir/prefix" ]]; then
    WINEPREFIX="$session_dir/prefix" wineserver -k >/dev/null 2>&1
  fi
  lib_stop_all
  if [[ -n "$session_dir" ]]; then
    rm -rf "$session_dir"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

session_dir=$(mktemp -d "${TMPDIR:-/tmp}/wob-wine.XXXXXX") || exit 1
lib_start_xvfb 1024x768 "$session_dir" || { echo "with_wine.sh: no X server" >&2; exit 1; }

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
