#!/usr/bin/env bash
# Benchmark: quorvel.exe against a minimal window program of our own (the
# floor of the platform), under Wine on a 1024 x 768 virtual desktop, medians
# of 21 runs each; then the version text fuzz target for a million inputs.
# Prints figures and targets; only a run that cannot be completed fails it.
#   scripts/bench.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build}
runs=21

scripts/deps.sh
for target in quorvel bench_floor bench_driver; do
  scripts/build.sh "$out" "$target" >/dev/null
done

echo "== quorvel.exe against the floor under Wine ($runs runs each)"
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start "$PWD/build/wine-bench"
# A version that is not current: every check ends in the offer window.
wine reg add 'HKLM\SOFTWARE\Microsoft\Internet Explorer' /v Version /d 9.11.9600.18376 /f >/dev/null 2>&1
bench=$out/x64/tests/bench
wine "$bench/bench_driver.exe" "$runs" "$out/x64/quorvel.exe" "$bench/bench_floor.exe" \
     "$out/x86/quorvel.exe" "$out/x86/tests/bench/bench_floor.exe"
wine_env_stop
trap - EXIT

echo
echo "== version text fuzz target, 1,000,000 inputs (AddressSanitizer, UndefinedBehaviorSanitizer)"
CC=clang CXX=clang++ cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native --target version_text_fuzz -j"$(nproc)" -- --no-print-directory >/dev/null
fuzz_log=build/native/tests/native/version_text_fuzz_bench.log
if build/native/tests/native/version_text_fuzz -runs=1000000 \
     -artifact_prefix=build/native/tests/native/ >"$fuzz_log" 2>&1; then
  echo "passed: $(grep -E '^Done [0-9]+ runs' "$fuzz_log")"
else
  tail -n 30 "$fuzz_log"
  echo "FAILED: the fuzz target reported a fault (full log: $fuzz_log)"
  exit 1
fi
