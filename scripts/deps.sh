#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, but only
# those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake make git python3
  g++-mingw-w64-x86-64 g++-mingw-w64-i686   # cross compilers, windres, objdump
  wine wine64                               # 64-bit Wine only: never wine32
  xvfb xdotool imagemagick                  # a display, input, screenshots
  fonts-wqy-microhei                        # CJK glyphs for the Chinese texts
  googletest libgtest-dev clang libclang-rt-14-dev   # native tests, sanitizers, libFuzzer
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
