#!/usr/bin/env bash
# Fuzzes the picture decoders longer than the test suite does, one target after the other.
#   bash scripts/fuzz.sh [SECONDS]    (default 600 per target)
# Builds the fuzz preset (clang and libFuzzer, ASan and UBSan). A crash stops the run; its input
# is left in build/fuzz/runs/TARGET/ as crash-*: minimise it with the target's -minimize_crash=1,
# fix the reader and add it to tests/fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

bash scripts/setup.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
for target in fuzz_ico fuzz_picture; do
  echo "== $target for $seconds s"
  bash tests/fuzz/run_fuzzer.sh "build/fuzz/bin/$target" "$seconds" build/fuzz/app build/fuzz/runs
done
