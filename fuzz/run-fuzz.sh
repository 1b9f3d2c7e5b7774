#!/usr/bin/env bash
# Builds the archive fuzzer with clang and runs it for the given number of
# seconds (default 60) on the seed documents in fuzz/corpus.
#   fuzz/run-fuzz.sh 600
set -euo pipefail
seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$top/build-fuzz}

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTEKVAR_FUZZ=ON -DTEKVAR_BUILD_UI=OFF -DTEKVAR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target archive_fuzzer

# New inputs found go to a scratch corpus; the committed seeds stay as they are.
work="$build/corpus"
mkdir -p "$work" "$build/artifacts"
"$build/fuzz/archive_fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$work" "$top/fuzz/corpus"
