#!/usr/bin/env python3
"""Reads a screenshot of an edit window (as a binary PPM made by
ImageMagick) showing a line of Japanese text, a line with a URL in the URL
colour (blue) and a selected line, and prints four numbers:
    dark pixels above the URL line, blue pixels, black pixels below the URL
    line, black pixels above it
Usage: pixels.py shot.ppm x0 y0 x1 y1   (the region to look at)"""
import sys

from netpbm import read_netpbm


def read_ppm(path):
    return read_netpbm(path, b"P6")


def main():
    w, h, px = read_ppm(sys.argv[1])
    x0, y0, x1, y1 = (int(v) for v in sys.argv[2:6])
    x1, y1 = min(x1, w), min(y1, h)
    rows = []
    for y in range(y0, y1):
        dark = blue = black = 0
        base = y * w * 3
        for x in range(x0, x1):
            r, g, b = px[base + 3 * x], px[base + 3 * x + 1], px[base + 3 * x + 2]
            if r + g + b < 300:
                dark += 1
            if b > 150 and r < 100 and g < 100:
                blue += 1
            if r < 40 and g < 40 and b < 40:
                black += 1
        rows.append((y, dark, blue, black))
    blue_rows = [y for y, _, blue, _ in rows if blue > 4]  # line-end marks are thin
    if not blue_rows:
        print(sum(r[1] for r in rows), 0, 0, sum(r[3] for r in rows))
        return
    top, bottom = min(blue_rows), max(blue_rows)
    above_dark = sum(r[1] for r in rows if r[0] < top - 1)
    above_black = sum(r[3] for r in rows if r[0] < top - 1)
    below_black = sum(r[3] for r in rows if r[0] > bottom + 1)
    print(above_dark, sum(r[2] for r in rows), below_black, above_black)


if __name__ == "__main__":
    main()
