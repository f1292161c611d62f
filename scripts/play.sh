#!/usr/bin/env bash
# Builds the game and starts it on the current X display.
#   play.sh           the Linux build (SDL2)
#   play.sh --wine    the Windows build, run under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: start the game from a desktop session (DISPLAY is not set)." >&2
  exit 1
fi

if [ "${1:-}" = --wine ]; then
  bash scripts/setup.sh all
  cmake --preset windows >/dev/null
  cmake --build --preset windows
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  exec wine build/windows/app/WOB.exe
fi

bash scripts/setup.sh game
cmake --preset linux >/dev/null
cmake --build --preset linux --target wob
exec build/linux/app/wob
