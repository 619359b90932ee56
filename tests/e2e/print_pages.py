#!/usr/bin/env python3
"""Reads a page rasterised by pdftoppm as a grey PGM (P5) and prints what the
printing test checks:
    size W H
    band Y0 Y1 X0 X1        one line for each run of rows holding dark
                            pixels, top to bottom, with their leftmost and
                            rightmost dark column
Usage: print_pages.py page.pgm"""
import sys

from netpbm import read_netpbm


def read_pgm(path):
    return read_netpbm(path, b"P5")


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
