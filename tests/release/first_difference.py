#!/usr/bin/env python3
"""Compares two files byte for byte. When they differ, prints the first
differing offset and where it lies: the PE header field or section of an
executable, or the member of a .tar.gz release archive.

    first_difference.py A B      exit 0 when identical, 1 when not
"""
import gzip
import io
import struct
import sys
import tarfile


def first_difference(a, b):
    """Offset of the first differing byte, or None when a == b."""
    if a == b:
        return None
    n = min(len(a), len(b))
    return next((i for i in range(n) if a[i] != b[i]), n)


def pe_checksum_offset(data):
    """Where the PE header's CheckSum lies, or None for another kind of file."""
    if data[:2] != b"MZ" or len(data) < 0x40:
        return None
    return struct.unpack_from("<I", data, 0x3C)[0] + 24 + 64


def without_checksum(data, at):
    return data[:at] + bytes(4) + data[at + 4:]


def pe_place(data, offset):
    """The header field or section of a PE image that holds offset."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, _, _, _, optional_size = struct.unpack_from("<HHIIIH", data, pe + 4)[1:]
    optional = pe + 24
    fields = {pe + 8: "PE header TimeDateStamp", pe_checksum_offset(data): "PE header CheckSum"}
    for start, field in fields.items():
        if start <= offset < start + 4:
            return field
    table = optional + optional_size
    first_raw = len(data)
    for i in range(sections):
        entry = table + 40 * i
        name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        raw_size, raw_start = struct.unpack_from("<II", data, entry + 16)
        if raw_size:
            first_raw = min(first_raw, raw_start)
        if raw_start <= offset < raw_start + raw_size:
            return f"section {name}, 0x{offset - raw_start:x} bytes into it"
    if offset < table + 40 * sections:
        return "PE headers"
    return "headers' padding" if offset < first_raw else "after the last section"


def tar_place(tar, offset):
    """The member of an uncompressed tar stream that holds offset."""
    with tarfile.open(fileobj=io.BytesIO(tar)) as archive:
        for member in archive:
            if member.offset <= offset < member.offset_data:
                return f"header of member {member.name}"
            if member.offset_data <= offset < member.offset_data + member.size:
                return f"member {member.name}, 0x{offset - member.offset_data:x} bytes into it"
    return "end of the tar stream"


def place(path, a, b, offset):
    if path.endswith(".tar.gz"):
        ta, tb = gzip.decompress(a), gzip.decompress(b)
        inner = first_difference(ta, tb)
        if inner is None:
            return "gzip wrapper (the tar streams are identical)"
        return f"tar stream offset 0x{inner:x}: {tar_place(ta, inner)}"
    checksum = pe_checksum_offset(a)
    if checksum is None:
        return "plain file"
    # The checksum follows every other byte, so it says nothing on its own:
    # name the first difference elsewhere when there is one.
    other = first_difference(without_checksum(a, checksum), without_checksum(b, checksum))
    if other is None or other == offset:
        return pe_place(a, offset)
    return f"PE header CheckSum; first difference elsewhere at 0x{other:x}: {pe_place(a, other)}"


def main(path_a, path_b):
    with open(path_a, "rb") as fa, open(path_b, "rb") as fb:
        a, b = fa.read(), fb.read()
    offset = first_difference(a, b)
    if offset is None:
        print(f"identical  {path_a}")
        return 0
    print(f"DIFFERENT  {path_a}\n       and {path_b}\n"
          f"  sizes {len(a)} and {len(b)}; first difference at offset 0x{offset:x}: "
          f"{place(path_a, a, b, offset)}")
    return 1


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
