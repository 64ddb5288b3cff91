#!/usr/bin/env bash
# Builds the release twice, from two copies of the source tree in two folders
# whose paths differ in length, with different umasks and time zones, and fails
# unless both give byte-identical executables and archives. Then checks what
# the archive holds: its files, their checksums, and the x64 size limit.
#
# The copies hold the files git would commit now, as they are in the working
# tree (tracked and new files, without ignored ones), so uncommitted work is
# checked too; the one date comes from the last commit.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
here=$repo/tests/release
max_x64_size=65536

work=$(mktemp -d /tmp/quorvel-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
SOURCE_DATE_EPOCH=$(git -C "$repo" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

copy_tree() {
  mkdir -p "$1"
  (cd "$repo" && git ls-files -z --cached --others --exclude-standard |
     while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
     tar --null --files-from=- --create --file=-) | tar --extract --file=- --directory="$1"
}

a=$work/a
b=$work/b/a-folder-with-a-longer-name
copy_tree "$a"
copy_tree "$b"

# One after the other, so that anything taken from the clock differs.
build() {  # FOLDER UMASK TZ
  local start=$SECONDS
  (umask "$2"; TZ=$3 "$1/scripts/package.sh" >"$1.log" 2>&1) ||
    { echo "release build in $1 failed:"; cat "$1.log"; exit 1; }
  echo "release build in $1: $((SECONDS - start)) s"
}
build "$a" 022 UTC
build "$b" 077 Asia/Shanghai

release_a=$a/build/release
release_b=$b/build/release
archive=$(cd "$release_a" && ls quorvel-*.tar.gz)
name=${archive%.tar.gz}
failed=0
for f in "$name/x64/quorvel.exe" "$name/x86/quorvel.exe" "$archive"; do
  python3 "$here/first_difference.py" "$release_a/$f" "$release_b/$f" || failed=1
done

expected="$name/
$name/README.md
$name/SHA256SUMS
$name/x64/
$name/x64/quorvel.exe
$name/x86/
$name/x86/quorvel.exe"
listed=$(tar --list --gzip --file="$release_a/$archive")
if [ "$listed" != "$expected" ]; then
  echo "archive members:"; echo "$listed"; echo "expected:"; echo "$expected"; failed=1
fi

mkdir "$work/unpacked"
tar --extract --gzip --file="$release_a/$archive" --directory="$work/unpacked"
(cd "$work/unpacked/$name" && sha256sum --check --strict SHA256SUMS) || failed=1

size=$(stat -c %s "$release_a/$name/x64/quorvel.exe")
echo "x64/quorvel.exe: $size bytes (limit $max_x64_size)"
[ "$size" -le "$max_x64_size" ] || { echo "x64/quorvel.exe is too large"; failed=1; }

exit $failed
