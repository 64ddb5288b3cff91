#!/usr/bin/env bash
# Builds Quorvel and runs it under Wine on your display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: walking through the program on a virtual display instead."
  exec scripts/walkthrough.sh
fi
source scripts/wine-env.sh
trap wine_env_stop EXIT
QUORVEL_KEEP_DISPLAY=1 wine_env_start "$PWD/build/wine-run"
wine build/x64/quorvel.exe
