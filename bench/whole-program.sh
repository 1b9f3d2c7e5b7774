#!/usr/bin/env bash
# The whole program's speed: how long opening, recalculating and exporting a
# document as text takes, against exporting a new document.
#   bench/whole-program.sh DOCUMENT.tkv [RUNS]
# Prints the median wall time of each (RUNS runs each, 9 by default,
# interleaved so that both see the same machine) and their ratio. Run it from
# the source folder after a build; the program reads its data from build/data.
set -euo pipefail
cd "$(dirname "$0")/.."

document=$(realpath "${1:?usage: bench/whole-program.sh DOCUMENT.tkv [RUNS]}")
runs=${2:-9}
program=$(realpath build/tekvar)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Wall time of one run in seconds.
timed() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

cd build/data
# One run each first, so that neither pays for a cold file cache.
"$program" --new --export "$out/new.txt" >/dev/null 2>&1
"$program" --export "$out/doc.txt" "$document" >/dev/null 2>&1
for ((i = 0; i < runs; i++)); do
    timed "$program" --new --export "$out/new.txt" >>"$out/new.times"
    timed "$program" --export "$out/doc.txt" "$document" >>"$out/doc.times"
done
new=$(median <"$out/new.times")
doc=$(median <"$out/doc.times")
printf 'new document:   %.3f s (median of %d)\n' "$new" "$runs"
printf 'this document:  %.3f s (median of %d)\n' "$doc" "$runs"
printf 'ratio:          %.2f\n' "$(awk -v a="$doc" -v b="$new" 'BEGIN { print a / b }')"
