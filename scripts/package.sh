#!/usr/bin/env bash
# Builds the release from scratch and packs it:
#   build/release/quorvel-VERSION.tar.gz
#     quorvel-VERSION/README.md
#     quorvel-VERSION/SHA256SUMS
#     quorvel-VERSION/x64/quorvel.exe
#     quorvel-VERSION/x86/quorvel.exe
# Two runs on the same commit give the same bytes, in any folder and on any day:
# the build embeds no date and no path, and the archive's one date is the
# commit's (SOURCE_DATE_EPOCH, taken from git when it is not set).
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no project version in CMakeLists.txt" >&2; exit 1; }
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) ||
    { echo "not a git checkout: set SOURCE_DATE_EPOCH to the commit time" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH

out=build/release
name=quorvel-$version
stage=$out/$name
rm -rf "$out"
scripts/build.sh "$out/obj" quorvel

# Fixed modes, so that the umask of whoever builds does not show in the archive.
install -d -m 0755 "$stage/x64" "$stage/x86"
install -m 0755 "$out/obj/x64/quorvel.exe" "$stage/x64/quorvel.exe"
install -m 0755 "$out/obj/x86/quorvel.exe" "$stage/x86/quorvel.exe"
install -m 0644 README.md "$stage/README.md"

# Each executable must carry its version information (type 16) and its
# manifest (type 24) among the resource types at the top of its resource tree.
for arch in x64 x86; do
  objdump=x86_64-w64-mingw32-objdump
  [ "$arch" = x86 ] && objdump=i686-w64-mingw32-objdump
  types=$("$objdump" -p "$stage/$arch/quorvel.exe" | sed -n 's/^[0-9a-f]\{3\}   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p')
  for type in 10 18; do
    grep -qx "$type" <<<"$types" ||
      { echo "$arch/quorvel.exe lacks resource type 0x$type" >&2; exit 1; }
  done
done

(cd "$stage" && sha256sum README.md x64/quorvel.exe x86/quorvel.exe >SHA256SUMS && chmod 0644 SHA256SUMS)

tar --create --format=gnu --sort=name --mtime="@$SOURCE_DATE_EPOCH" \
    --owner=0 --group=0 --numeric-owner --directory="$out" "$name" |
  gzip -9 -n >"$out/$name.tar.gz"

echo "Release: $out/$name.tar.gz"
(cd "$out" && sha256sum "$name.tar.gz" "$name"/x64/quorvel.exe "$name"/x86/quorvel.exe)
