#!/usr/bin/env bash
# Builds the program and starts it with the shipped data. The program works
# in a data folder of the user's own, seeded from build/data on first use, so
# that catalogue edits never touch the shipped files.
#   scripts/run.sh [DOCUMENT.tkv]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"

data="${XDG_DATA_HOME:-$HOME/.local/share}/Tekvar"
mkdir -p "$data"
cp -rn "$top/build/data/." "$data/" 2>/dev/null || true

# A document named relative to where the user stands must still be found.
args=()
for arg in "$@"; do
    if [ -e "$arg" ]; then args+=("$(realpath "$arg")"); else args+=("$arg"); fi
done
cd "$data"
exec "$top/build/tekvar" "${args[@]}"
