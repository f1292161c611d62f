#!/usr/bin/env bash
# Renders the pictures in docs/ that the build can make, all the same way: the game's screens on
# the headless backend (splash, menu, letters, numbers, shapes, paint) and the contact sheet of
# every generated asset (assets-contact-sheet). Name the pictures to render; none renders them all.
# The other pictures in docs/ are screenshots of the built programs that the SDL and Wine tests take.
#
# Usage: render_docs.sh [PICTURE...]
set -euo pipefail
cd "$(dirname "$0")/.."
pictures=("$@")
((${#pictures[@]} > 0)) ||
  pictures=(splash menu letters numbers shapes paint assets-contact-sheet)
screens=() sheet=0
for name in "${pictures[@]}"; do
  if [[ "$name" == assets-contact-sheet ]]; then sheet=1; else screens+=("$name"); fi
done
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan --target render_docs assets
if ((${#screens[@]} > 0)); then
  ASAN_OPTIONS=detect_leaks=0 build/linux-asan/bin/render_docs docs "${screens[@]}"
fi
if ((sheet)); then
  sh game/assets/contact_sheet.sh build/linux-asan/app build/linux-asan/icons \
    docs/assets-contact-sheet.png
fi
