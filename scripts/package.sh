#!/usr/bin/env bash
# Makes the game's packages in dist/: the Debian package, and the Windows zip and installer.
# Installs what is missing, builds the Linux and the Windows preset.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh package
for preset in linux windows; do
  rm -rf "build/$preset/dist"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" --target dist
done
rm -rf dist
mkdir dist
cp build/linux/dist/* build/windows/dist/* dist/
echo
ls -l dist
