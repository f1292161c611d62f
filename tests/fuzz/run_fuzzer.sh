#!/usr/bin/env bash
# Fuzzes one picture decoder for SECONDS, seeded from the generated assets and the checked-in
# corpus; a crash fails the run and leaves its input in WORK_DIR.
#   run_fuzzer.sh FUZZER SECONDS APP_DIR WORK_DIR
set -euo pipefail
fuzzer=$(realpath "$1") seconds=$2 app_dir=$(realpath "$3") work_dir=$4
name=$(basename "$fuzzer")
kind=${name#fuzz_}
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$work_dir"
work_dir=$(realpath "$work_dir")
corpus=$work_dir/$name/corpus
seeds=$work_dir/$name/seeds
mkdir -p "$corpus" "$seeds"
cp "$app_dir"/*.ico "$seeds"/
if [ "$kind" = picture ]; then
  # The smallest pictures: big seeds only slow every execution down.
  ls -S "$app_dir"/*.jpg | tail -n 12 | xargs -I{} cp {} "$seeds"/
fi

cd "$work_dir/$name"
# -rss_limit_mb: a picture that takes more than this is a fault (the size limit is 64 MB).
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
  "$corpus" "$seeds" "$here/corpus/$kind" 2>&1 | tail -n 30
exit "${PIPESTATUS[0]}"
