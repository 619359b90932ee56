#!/usr/bin/env python3
"""Reads the binary PGM and PPM files that pdftoppm and ImageMagick write
for the tests that look at pixels."""


def read_netpbm(path, magic):
    """Width, height and the pixel bytes of a binary Netpbm file whose magic
    is magic (b"P5" grey, b"P6" colour) and whose maximum is 255."""
    data = open(path, "rb").read()
    fields = []
    i = 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b"#":
            while data[i:i + 1] not in (b"\n", b""):
                i += 1
            continue
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    i += 1
    assert fields[0] == magic and fields[3] == b"255"
    return int(fields[1]), int(fields[2]), data[i:]
