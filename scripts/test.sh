#!/usr/bin/env bash
# Builds everything and runs every test: the native logic tests under sanitizers
# (with a bounded fuzz run), then the window tests and the end-to-end driver
# under Wine on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh

echo "== native tests (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer)"
CC=clang CXX=clang++ cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$(nproc)" -- --no-print-directory >/dev/null
ctest --test-dir build/native --output-on-failure

echo "== imports of both builds (the x86 one cannot run on this machine: it is inspected)"
ctest --test-dir build/x86 --output-on-failure -L inspect
ctest --test-dir build/x64 --output-on-failure -L inspect

echo "== Windows tests under Wine"
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start "$PWD/build/wine-test"
ctest --test-dir build/x64 --output-on-failure -LE inspect

# ---- Release: two clean builds in two folders give the same bytes ----------
echo "== reproducible release (two release builds, compared byte for byte)"
tests/release/reproducible.sh
