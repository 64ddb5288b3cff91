#!/usr/bin/env bash
# The program writes nothing: no file, no registry value. Its whole walkthrough
# (no_writes_e2e: start, check, verdict, offer window, "update now", "no,
# thanks") runs under Wine in a prefix of this test's own, and the prefix's
# registry files and a listing of its drive C: are compared before and after.
#
#   no_writes.sh QUORVEL_EXE RECORDER_EXE DRIVER_EXE WORK_DIR
#
# wineserver keeps the registry in memory and writes system.reg, user.reg and
# userdef.reg when it ends, so the registry is read only between sessions:
# each session is one wineserver, ended with `wineserver -k` (which saves the
# registry) and waited for. Three sessions, each compared with the state
# before it:
#   control      Wine alone, no program: what Wine rewrites by itself must all
#                fall under the ignore list below, or a difference later could
#                be Wine's rather than the program's;
#   walkthrough  the program: no difference at all;
#   canary       a registry value and a file written on purpose: both must show,
#                or the comparison could not see a write.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
quorvel=$1
recorder=$2
driver=$3
work=$4

mkdir -p "$work/home" "$work/snapshots"
# Wine links the user's Desktop, Documents, Downloads and the like to the home
# folder: a home of the test's own keeps them inside what is listed.
export HOME=$work/home
source "$repo/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start "$work"

install_dir=$WINEPREFIX/drive_c/Quorvel
canary_key='HKCU\Software\Quorvel no-writes canary'

end_session() {
  wineserver -k
  wineserver -w
}
start_session() {
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# --- what is compared, and what Wine rewrites by itself ---------------------

# A registry file without what Wine rewrites at every session start, as the
# control session shows: the modification times (on each key's line and in the
# "#time=" line under it) of keys such as ...\Windows NT\CurrentVersion and the
# device classes, where no saved value changes; and the display adapter's
# DriverDateData, which Wine's graphics driver sets to the time of the start.
normalise_registry() {
  LC_ALL=C awk '
    /^#time=/ { next }
    /^\[/ { sub(/\] [0-9]+$/, "]"); key = $0; print; next }
    key == "[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\{4D36E968-E325-11CE-BFC1-08002BE10318}\\\\0000]" &&
      /^"DriverDateData"=/ { next }
    { print }
  ' "$1"
}

# Every file, folder and link of drive C: and of the home folder, with its
# size and modification time, in byte order whatever the locale (Wine's
# environment names one). Left out: the recorder's log, which the stand-in for
# the browser appends to (an empty one is put there before the first snapshot,
# so that its folder does not change either).
list_tree() {
  (cd "$1" && find . -path ./Quorvel/recorder.log -prune -o -printf '%p\t%y %s %T@\n' | LC_ALL=C sort)
}

snapshot() {
  local out=$work/snapshots/$1
  mkdir -p "$out"
  for reg in system.reg user.reg userdef.reg; do
    normalise_registry "$WINEPREFIX/$reg" >"$out/$reg"
  done
  list_tree "$WINEPREFIX/drive_c" >"$out/drive_c"
  list_tree "$HOME" >"$out/home"
}

# Prints the differences between two snapshots; true when there are none.
same_snapshots() {
  local ok=0
  for part in system.reg user.reg userdef.reg drive_c home; do
    diff "$work/snapshots/$1/$part" "$work/snapshots/$2/$part" | sed "s|^|  $part: |" && continue
    ok=1
  done
  return $ok
}

# --- set-up: the program installed on drive C:, the recorder as the browser --

mkdir -p "$install_dir"
cp "$quorvel" "$recorder" "$install_dir/"
: >"$install_dir/recorder.log"
rm -f "$install_dir/canary.txt"
wine reg delete "$canary_key" /f >/dev/null 2>&1 || true
wine reg add 'HKLM\Software\Classes\http\shell\open\command' /ve /f \
     /d '"C:\Quorvel\recorder.exe" "%1"' >/dev/null 2>&1
# A version that is not current, so that the check leads to the offer window.
wine reg add 'HKLM\SOFTWARE\Microsoft\Internet Explorer' /v Version /d 9.11.9600.18376 /f >/dev/null 2>&1
end_session
snapshot before

failed=0
start_session
end_session
snapshot control
if ! same_snapshots before control; then
  echo "FAILED: Wine alone changed the prefix beyond the ignore list (above)"
  failed=1
fi

start_session
wine "$driver" 'C:\Quorvel\quorvel.exe' || failed=1
end_session
snapshot walkthrough
if ! same_snapshots control walkthrough; then
  echo "FAILED: the walkthrough changed the prefix (above)"
  failed=1
fi

start_session
wine reg add "$canary_key" /v written /d 1 /f >/dev/null 2>&1
wine cmd /c 'echo canary> C:\Quorvel\canary.txt' </dev/null >/dev/null 2>&1
end_session
snapshot canary
canary_diff=$(same_snapshots walkthrough canary || true)
if ! grep -q 'user.reg: > "written"="1"' <<<"$canary_diff" ||
   ! grep -q 'drive_c: > ./Quorvel/canary.txt' <<<"$canary_diff"; then
  echo "FAILED: a registry value and a file written on purpose did not both show:"
  echo "$canary_diff"
  failed=1
fi

[ $failed -eq 0 ] && echo "no writes: registry and drive C: unchanged by the walkthrough"
exit $failed
