#!/usr/bin/env bash
# Builds quorvel.exe for x64 and x86 into build/x64 and build/x86.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

for arch in x64 x86; do
  toolchain=cmake/mingw-x86_64.cmake
  [ "$arch" = x86 ] && toolchain=cmake/mingw-i686.cmake
  cmake -S . -B "build/$arch" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build "build/$arch" -j"$(nproc)" -- --no-print-directory >/dev/null
done
echo "Built build/x64/quorvel.exe and build/x86/quorvel.exe"
