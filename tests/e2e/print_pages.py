#!/usr/bin/env python3
"""Reads a page rasterised by pdftoppm as a grey PGM (P5) and prints what the
printing test checks:
    size W H
    band Y0 Y1 X0 X1        one line for each run of rows holding dark
                            pixels, top to bottom, with their leftmost and
                            rightmost dark column
Usage: print_pages.py page.pgm"""
import sys


def read_pgm(path):
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
    assert fields[0] == b"P5" and fields[3] == b"255"
    return int(fields[1]), int(fields[2]), data[i:]


def main():
    w, h, pixels = read_pgm(sys.argv[1])
    print("size", w, h)
    band = None
    for y in range(h):
        row = pixels[y * w:(y + 1) * w]
        dark = [x for x in range(w) if row[x] < 128]
        if dark:
            if band is None:
                band = [y, y, dark[0], dark[-1]]
            else:
                band[1] = y
                band[2] = min(band[2], dark[0])
                band[3] = max(band[3], dark[-1])
        elif band is not None:
            print("band", *band)
            band = None
    if band is not None:
        print("band", *band)


main()
