#!/usr/bin/env bash
# Builds everything (Linux game, tests and benchmarks; Windows programs; the packages; the fuzz
# targets) and runs every test: native unit and scenario tests with sanitizers, the SDL smoke
# tests under Xvfb, a short fuzzing of the picture decoders, the Windows programs and the
# installer under Wine inside Xvfb, and the Linux package.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh all || exit 1

jobs=$(nproc)
# The compiler cache matches sources by their place in the clone, so any clone shares it.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
# The test packages name a maintainer, as Debian asks, at an address that is plainly none
# (the reserved .invalid domain), unless the one running the tests names themselves.
export DEBFULLNAME=${DEBFULLNAME:-Wobbleton Playboard test build}
export DEBEMAIL=${DEBEMAIL:-test-build@wobbleton-playboard.invalid}
build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"
}
build linux-asan || exit 1
build linux || exit 1
build windows || exit 1
build fuzz || exit 1
# The packages their tests check.
cmake --build --preset linux --target dist || exit 1
cmake --build --preset windows --target dist || exit 1

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
status=0
ctest --test-dir build/linux-asan --output-on-failure -j "$jobs" 2>&1 | tee "$logs/native.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
ctest --test-dir build/fuzz -L fuzz --output-on-failure -j "$jobs" 2>&1 | tee "$logs/fuzz.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
bash tests/wine/with_wine.sh ctest --test-dir build/windows -L 'wine|package' --output-on-failure 2>&1 |
  tee "$logs/wine.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1
ctest --test-dir build/linux -L package --output-on-failure 2>&1 | tee "$logs/package.log"
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

# One closing line over all runs.
passed=0
failed=0
for log in "$logs"/*.log; do
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  [ -n "$line" ] || { status=1; continue; }
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done
echo
echo "$passed passed, $failed failed"
exit $status
