#!/usr/bin/env python3
"""Measures opened popup menus in screenshots and checks them against the
layout the command data gives (a string per popup: 'I' or 'P' an item, '-' a
separator, top to bottom).

Each popup was shot twice (binary PPM): before it opened and while open with
its first item selected. The selected item is a band of the selection colour
across the popup; the popup is where the two shots differ, in the columns of
that band, down to the last changed row. Separators are rows of one uniform
colour that is neither the popup's ground nor the selection colour.

From the first popup: the item height (the band), the separator height (the
distance between its first two separator lines less the items between
them), where a line lies inside its separator and what lies below the last
item. Every popup is then checked: its height and each separator line.

Usage: menu_shot.py YLIMIT LAYOUT BEFORE AFTER [LAYOUT BEFORE AFTER ...]
Rows from YLIMIT down are ignored (the status bar). Prints a line per popup
and exits 1 on any mismatch."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pixels import read_ppm  # noqa: E402




def pixel(img, x, y):
    w, _, px = img
    k = (y * w + x) * 3
    return px[k], px[k + 1], px[k + 2]


def is_selection(p):
    r, g, b = p
    return b > 150 and b - r > 80


def measure(before, after, ylimit):
    w, h, _ = after
    ylimit = min(ylimit, h)
    # The selection band: the rows with the longest run of the selection colour.
    best = (0, 0, 0)  # run length, left, right
    rows = {}
    for y in range(ylimit):
        run = start = 0
        longest = (0, 0, 0)
        for x in range(w):
            if is_selection(pixel(after, x, y)):
                if run == 0:
                    start = x
                run += 1
                if run > longest[0]:
                    longest = (run, start, x)
            else:
                run = 0
        rows[y] = longest
        if longest[0] > best[0]:
            best = longest
    if best[0] < 40:
        return None
    left, right = best[1], best[2]
    # The band's rows: mostly of the selection colour between those columns
    # (its text breaks the runs).
    def selected(y):
        return sum(1 for x in range(left, right + 1) if is_selection(pixel(after, x, y))) >= 0.5 * (right - left + 1)
    top = next(y for y in range(ylimit) if rows[y][0] == best[0])
    while top > 0 and selected(top - 1):
        top -= 1
    item = 0
    while top + item < ylimit and selected(top + item):
        item += 1
    # The popup's last row: the last row below the band with a changed pixel.
    bottom = top
    for y in range(top, ylimit):
        if any(pixel(before, x, y) != pixel(after, x, y) for x in range(left, right + 1)):
            bottom = y
    # The ground: the commonest colour of the popup's rows.
    counts = {}
    for y in range(top + item, bottom, 3):
        for x in range(left, right, 3):
            p = pixel(after, x, y)
            counts[p] = counts.get(p, 0) + 1
    ground = max(counts, key=counts.get) if counts else None
    lines, previous = [], -2
    inner = range(left + 4, right - 3)
    # The popup's own border takes its last rows.
    for y in range(top + item, bottom - 3):
        first = pixel(after, left + 4, y)
        if first == ground or is_selection(first):
            continue
        same = sum(1 for x in inner if pixel(after, x, y) == first)
        if same >= 0.9 * len(inner):
            if y != previous + 1:
                lines.append(y - top)
            previous = y
    return {"left": left, "right": right, "top": top, "bottom": bottom, "item": item,
            "height": bottom - top, "lines": lines}


def offsets(layout, item, sep):
    """The offset of every separator from the first item's top, and the
    total of items and separators."""
    at, seps = 0, []
    for c in layout:
        if c == "-":
            seps.append(at)
            at += sep
        else:
            at += item
    return seps, at


def main():
    ylimit = int(sys.argv[1])
    shots = sys.argv[2:]
    popups = []
    for k in range(0, len(shots), 3):
        layout, before, after = shots[k:k + 3]
        popups.append((layout, measure(read_ppm(before), read_ppm(after), ylimit)))
    bad = 0
    layout, first = popups[0]
    if first is None or len(first["lines"]) < 2 or layout.count("-") < 2:
        print("the first popup gives no item and separator heights:", first)
        return 1
    item = first["item"]
    seps = [i for i, c in enumerate(layout) if c == "-"]
    between = seps[1] - seps[0] - 1
    sep = first["lines"][1] - first["lines"][0] - between * item
    sep_offsets, total = offsets(layout, item, sep)
    in_sep = first["lines"][0] - sep_offsets[0]
    below = first["height"] - total
    print(f"item height {item}, separator height {sep}, line {in_sep} into a separator, {below} below the items")
    if item < 8 or sep < 2 or not 0 <= in_sep < sep:
        print("MISMATCH: implausible measures")
        bad += 1
    for n, (layout, m) in enumerate(popups):
        if m is None:
            print(f"popup {n}: MISMATCH no opened popup found")
            bad += 1
            continue
        sep_offsets, total = offsets(layout, item, sep)
        want_lines = [s + in_sep for s in sep_offsets]
        want_height = total + below
        ok_height = abs(m["height"] - want_height) <= 1
        ok_lines = len(m["lines"]) == len(want_lines) and all(
            abs(a - b) <= 1 for a, b in zip(m["lines"], want_lines))
        ok_item = m["item"] == item
        ok = ok_height and ok_lines and ok_item
        bad += 0 if ok else 1
        print(f"popup {n} {layout}: {'ok' if ok else 'MISMATCH'} height {m['height']} (expected {want_height}), "
              f"separator lines {m['lines']} (expected {want_lines}), item {m['item']}, "
              f"x {m['left']}-{m['right']} y {m['top']}-{m['bottom']}")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
