#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, but only
# those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake make git python3 locales
  g++-mingw-w64-x86-64 g++-mingw-w64-i686   # cross compilers, windres, objdump
  wine wine64 fonts-wine                    # 64-bit Wine only: never wine32
  xvfb xdotool imagemagick                  # a display, input, screenshots
  fonts-wqy-microhei                        # CJK glyphs for the Chinese texts
  googletest libgtest-dev clang libclang-rt-14-dev   # native tests, sanitizers, libFuzzer
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine runs in the GBK code page under LC_ALL=zh_CN.UTF-8; with the locale
# present, the shells around it don't warn about it at every step.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
