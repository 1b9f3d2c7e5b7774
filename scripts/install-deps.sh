#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
#   scripts/install-deps.sh          what building, running and testing need
#   scripts/install-deps.sh --ci     also clang for the fuzzer
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev nlohmann-json3-dev fonts-liberation poppler-utils)
if [ "${1:-}" = "--ci" ]; then
    packages+=(clang libclang-rt-14-dev dpkg-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
