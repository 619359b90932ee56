#!/usr/bin/env python3
"""Writes cabinet files of the older layouts for the end-to-end tests and
prints what a cabinet file of the current layout holds.

  make_cabinet.py v0 OUT [--tab N] [--entry PATH]... [--font FACE --charset N]
                                                         version 0 (colour codes)
  make_cabinet.py older OUT [--tab N] [--entry PATH]...  the 16-bit layout
  make_cabinet.py dump FILE                              key=value lines
"""
import argparse
import struct
import sys

# Colour codes of words 13-23 (bit 15: use flag, bits 0-14: 1-based index
# into the 16-colour table) and the colours they stand for.
CODES = [0x8002, 0x8003, 6, 2, 4, 5, 16, 11, 1, 8, 0x800D]
COLOURS = [0x80FF0000, 0x80FFFF00, 0x0000FF, 0xFF0000, 0x00FF00, 0xFF00FF,
           0xC0C0C0, 0x008000, 0x000000, 0xFFFFFF, 0x80000080]


def font_words(face, charset):
    """Words 26-40: height (points), width, escapement, orientation, weight,
    then italic, underline, strike-out, character set, four more bytes and
    the 32-byte face name."""
    tail = bytes([0, 0, 0, charset, 0, 0, 0, 0x31]) + face.encode("cp932")[:31].ljust(32, b"\0")
    return [10, 0, 0, 0, 400] + list(struct.unpack("<10I", tail))


def block_words(tab, font=None):
    w = [0] * 41
    if font:
        w[26:41] = font_words(*font)
    w[0] = 80      # line width
    w[1] = tab     # tab width
    w[5] = 1       # line-end marks
    w[7] = 1       # free cursor
    w[10] = 1
    w[11] = 1
    w[13:24] = CODES
    return w


def placement(i):
    # length, flags, show state, min x/y, max x/y, normal rectangle
    return [44, 0, 1, -1, -1, -1, -1, 10 + 20 * i, 10 + 20 * i, 400 + 20 * i, 300 + 20 * i]


def version0(entries, tab, font=None):
    body = b""
    for i, path in enumerate(entries):
        body += path.encode("cp932") + b"\0"
        body += struct.pack("<11i", *placement(i))
        body += struct.pack("<5I", 1 if i == len(entries) - 1 else 0, 1 << 8, 0, 0, 0)
    head = struct.pack("<II", len(entries), 8 + len(body))
    return head + body + struct.pack("<41I", *block_words(tab, font)) + struct.pack("<I", 0)


def older(entries, tab):
    body = b""
    for i, path in enumerate(entries):
        body += path.encode("cp932") + b"\0"
        body += struct.pack("<11h", *placement(i))
        body += struct.pack("<5H", 1 if i == len(entries) - 1 else 0, 1 << 8, 0, 0, 0)
    head = struct.pack("<HH", len(entries), 4 + len(body))
    words = block_words(tab)[:31]
    block = struct.pack("<31H", *[v & 0xFFFF for v in words]) + bytes(40)
    return head + body + block + struct.pack("<H", 0)


def text(data, pos):
    end = data.index(b"\0", pos)
    return data[pos:end].decode("cp932"), end + 1


def dump(data):
    first, settings_at = struct.unpack_from("<II", data, 0)
    count = first & 0xFFFFFF
    print("size=%d" % len(data))
    print("version=%d" % (first >> 24))
    print("count=%d" % count)
    pos = 8
    for i in range(count):
        path, pos = text(data, pos)
        fields = struct.unpack_from("<16I", data, pos)
        pos += 64
        print("path%d=%s" % (i, path))
        print("active%d=%d" % (i, fields[11]))
        print("show%d=%d" % (i, fields[2]))
        print("kind%d=%d" % (i, (fields[12] >> 8) & 0xFF))
    print("entries_end_ok=%d" % (pos == settings_at))
    words = struct.unpack_from("<41I", data, settings_at)
    print("width=%d" % words[0])
    print("tab=%d" % words[1])
    print("type=%d" % words[12])
    print("colours=" + ",".join("%08X" % v for v in words[13:24]))
    print("expected_colours=" + ",".join("%08X" % v for v in COLOURS))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("kind", choices=["v0", "older", "dump"])
    parser.add_argument("file")
    parser.add_argument("--tab", type=int, default=8)
    parser.add_argument("--entry", action="append", default=[])
    parser.add_argument("--font", default="")
    parser.add_argument("--charset", type=int, default=0)
    args = parser.parse_args()
    if args.kind == "dump":
        with open(args.file, "rb") as f:
            dump(f.read())
        return 0
    font = (args.font, args.charset) if args.font else None
    data = version0(args.entry, args.tab, font) if args.kind == "v0" else older(args.entry, args.tab)
    with open(args.file, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
