#!/usr/bin/env bash
# Walks through the whole program on a virtual display and saves a screenshot of
# each step in build/walkthrough/: start, check (with a version that is not
# current), the verdict, the offer window, "update now", "no, thanks".
# The browser is stood in for by a recorder that notes the address it was given.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/walkthrough
mkdir -p "$out"
rm -f "$out"/*.png

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start "$PWD/build/wine-walkthrough"

recorder_dir=$(winepath -w "$PWD/build/x64/tests/e2e")
wine reg add 'HKLM\Software\Classes\http\shell\open\command' /ve /f \
     /d "\"$recorder_dir\\recorder.exe\" \"%1\"" >/dev/null 2>&1
wine reg add 'HKLM\SOFTWARE\Microsoft\Internet Explorer' /v Version /d 9.11.9600.18376 /f >/dev/null 2>&1
rm -f build/x64/tests/e2e/recorder.log

# Wine's desktop window sits at the top left of the X screen, so desktop and
# screen coordinates agree.
desktop_window() { xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1; }
shot() {
  sleep 1.5
  /usr/bin/import -window root -crop 560x260+232+255 +repage "$out/$1.png"
  echo "  saved $out/$1.png: $2"
}
key() { xdotool key --delay 150 "$@"; }

wine build/x64/quorvel.exe &
program=$!
for _ in $(seq 300); do [ -n "$(desktop_window)" ] && break; sleep 0.1; done
[ -n "$(desktop_window)" ] || { echo "Wine's desktop did not appear"; exit 1; }
# Keys go to the X window under the pointer: keep it on the Wine desktop.
xdotool mousemove 512 100
sleep 2
shot 1-start "the checker window, caret in the version box"

key Tab space
shot 2-verdict "the verdict: this browser is not the current version"

key Return
shot 3-offer "the offer window, \"立刻更新\" focused, the checker window disabled behind it"

key space
shot 4-update "\"立刻更新\" pressed: the address went to the browser, the window stays"
echo "  the browser was asked to open: $(tr -d '\r' < build/x64/tests/e2e/recorder.log 2>/dev/null || echo nothing)"

key Tab space
set +e
wait "$program"
code=$?
set -e
shot 5-exit "\"不了谢谢\" pressed: the program has ended"
echo "  exit code: $code"
