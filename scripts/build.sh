#!/usr/bin/env bash
# Builds quorvel.exe for x64 and x86.
#   scripts/build.sh              everything (tests too) into build/x64 and build/x86
#   scripts/build.sh DIR TARGET   only TARGET, into DIR/x64 and DIR/x86
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
out=${1:-build}
target=${2:-all}

for arch in x64 x86; do
  toolchain=cmake/mingw-x86_64.cmake
  [ "$arch" = x86 ] && toolchain=cmake/mingw-i686.cmake
  cmake -S . -B "$out/$arch" --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build "$out/$arch" --target "$target" -j"$(nproc)" -- --no-print-directory >/dev/null
done
echo "Built $out/x64/quorvel.exe and $out/x86/quorvel.exe"
