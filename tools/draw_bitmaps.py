#!/usr/bin/env python3
"""Draws the button images of the tool bar, the two tag tool bars and the
window bar, and writes them as 24-bit BMP files into src/win/res/bitmaps.

Every image is pixel art: a grid of palette letters, or small grids stamped
onto a blank one. '.' is the key colour magenta, which the bars make
transparent. The lists below follow the button lists of
src/core/app/toolbar_data.cpp image for image; when that file is at hand the
script checks the order against it.

Run from anywhere: python3 tools/draw_bitmaps.py
Exits non-zero when a grid has the wrong size or an unknown letter.
"""

import os
import re
import struct
import sys
import textwrap

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "src", "win", "res", "bitmaps")

# The 16 colours of the classic Windows palette, bright magenta being the
# transparent key.
PALETTE = {
    ".": (255, 0, 255),  # key colour (transparent)
    "K": (0, 0, 0),
    "R": (128, 0, 0),
    "G": (0, 128, 0),
    "Y": (128, 128, 0),
    "B": (0, 0, 128),
    "P": (128, 0, 128),
    "T": (0, 128, 128),
    "D": (128, 128, 128),
    "S": (192, 192, 192),
    "r": (255, 0, 0),
    "g": (0, 255, 0),
    "y": (255, 255, 0),
    "b": (0, 0, 255),
    "c": (0, 255, 255),
    "W": (255, 255, 255),
}

BW, BH = 16, 15  # button image
TW, TH = 16, 16  # window-bar image


class ArtError(Exception):
    pass


class Img:
    def __init__(self, rows, name="?"):
        self.rows = [list(r) for r in rows]
        self.h = len(self.rows)
        self.w = len(self.rows[0]) if self.rows else 0
        for i, r in enumerate(self.rows):
            if len(r) != self.w:
                raise ArtError(f"{name}: row {i} is {len(r)} wide, expected {self.w}")
            for ch in r:
                if ch not in PALETTE:
                    raise ArtError(f"{name}: unknown palette letter {ch!r} in row {i}")

    def copy(self):
        return Img(self.rows)


def grid(text, w=None, h=None, name="?"):
    """A grid from a block of rows; checks the size when w and h are given."""
    rows = [ln.strip() for ln in textwrap.dedent(text).splitlines() if ln.strip()]
    img = Img(rows, name)
    if (w is not None and img.w != w) or (h is not None and img.h != h):
        raise ArtError(f"{name}: grid is {img.w}x{img.h}, expected {w}x{h}")
    return img


def blank(w=BW, h=BH):
    return Img(["." * w] * h)


def stamp(base, spr, x, y):
    """base with the opaque pixels of spr laid over it at (x, y)."""
    out = base.copy()
    for j, row in enumerate(spr.rows):
        for i, ch in enumerate(row):
            if ch == ".":
                continue
            if not (0 <= x + i < out.w and 0 <= y + j < out.h):
                raise ArtError(f"sprite pixel ({x + i},{y + j}) falls outside the image")
            out.rows[y + j][x + i] = ch
    return out


def compose(*layers, w=BW, h=BH):
    img = blank(w, h)
    for spr, x, y in layers:
        img = stamp(img, spr, x, y)
    return img


def flip_h(img):
    return Img(["".join(reversed(r)) for r in img.rows])


def flip_v(img):
    return Img(["".join(r) for r in reversed(img.rows)])


def recolour(img, mapping):
    return Img(["".join(mapping.get(ch, ch) for ch in r) for r in img.rows])


def outline(img, colour):
    """Rings every opaque shape with colour on its transparent neighbours."""
    out = img.copy()
    for y in range(img.h):
        for x in range(img.w):
            if img.rows[y][x] != ".":
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < img.w and 0 <= ny < img.h and img.rows[ny][nx] != ".":
                    out.rows[y][x] = colour
                    break
    return out


# A 3x5 font for the few letters the tag buttons spell.
FONT = {
    "A": [".K.", "K.K", "KKK", "K.K", "K.K"],
    "B": ["KK.", "K.K", "KK.", "K.K", "KK."],
    "E": ["KKK", "K..", "KK.", "K..", "KKK"],
    "K": ["K.K", "K.K", "KK.", "K.K", "K.K"],
    "O": ["KKK", "K.K", "K.K", "K.K", "KKK"],
    "P": ["KK.", "K.K", "KK.", "K..", "K.."],
    "R": ["KK.", "K.K", "KK.", "K.K", "K.K"],
    "1": [".K.", "KK.", ".K.", ".K.", "KKK"],
    "2": ["KK.", "..K", ".K.", "K..", "KKK"],
}


def text(s, colour="K", gap=1):
    rows = ["" for _ in range(5)]
    for n, ch in enumerate(s):
        glyph = FONT[ch]
        for j in range(5):
            rows[j] += ("." * gap if n else "") + glyph[j].replace("K", colour)
    return Img(rows)


def hline(x0, x1, colour="K"):
    return Img([colour * (x1 - x0 + 1)])


def lines(lengths, align, colour="K", first_row=2, step=2):
    """Text lines of the given lengths, left, right or centre aligned."""
    img = blank()
    for n, length in enumerate(lengths):
        if align == "left":
            x = 1
        elif align == "right":
            x = BW - 1 - length
        else:
            x = (BW - length) // 2
        img = stamp(img, hline(x, x + length - 1, colour), x, first_row + n * step)
    return img


# ---------------------------------------------------------------------------
# Shared sprites.

PAGE = grid("""
    ..KKKKKKKK......
    ..KWWWWWWKK.....
    ..KWWWWWWKWK....
    ..KWWWWWWKWWK...
    ..KWWWWWWKKKKK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ..KKKKKKKKKKKK..
    ................
""", BW, BH, "PAGE")

SMALL_PAGE = grid("""
    KKKKKK...
    KWWWWKK..
    KWWWWKWK.
    KWWWWKKKK
    KWWWWWWWK
    KWDDDDDWK
    KWWWWWWWK
    KWDDDDDWK
    KWWWWWWWK
    KWDDDWWWK
    KWWWWWWWK
    KKKKKKKKK
""", 9, 12, "SMALL_PAGE")

SELECTED_PAGE = grid("""
    KKKKKK...
    KWWWWKK..
    KWWWWKWK.
    KWWWWKKKK
    KWWWWWWWK
    KbbbbbbbK
    KbbbbbbbK
    KbbbbbbbK
    KWWWWWWWK
    KWDDDWWWK
    KWWWWWWWK
    KKKKKKKKK
""", 9, 12, "SELECTED_PAGE")

FLOPPY = grid("""
    ................
    .KKKKKKKKKKKKK..
    .KBKWWWWWWWKBK..
    .KBKWWWWWWWKBK..
    .KBKWDDDDDWKBK..
    .KBKWWWWWWWKBK..
    .KBKWDDDDDWKBK..
    .KBBKKKKKKKBBK..
    .KBBBBBBBBBBBK..
    .KBBBBBBBBBBBK..
    .KBBKKKKKKKBBK..
    .KBBKSSSBBKBBK..
    .KBBKSSSBBKBBK..
    .KBBKSSSSSKBBK..
    ..KKKKKKKKKKKK..
""", BW, BH, "FLOPPY")

SMALL_FLOPPY = grid("""
    KKKKKKKKKKK
    KBKWWWWWKBK
    KBKWDDDWKBK
    KBKWWWWWKBK
    KBBKKKKKBBK
    KBBBBBBBBBK
    KBBKKKKKBBK
    KBBKSSBSKBK
    KBBKSSBSKBK
    KBBKSSSSKBK
    KKKKKKKKKKK
""", 11, 11, "SMALL_FLOPPY")

FOLDER = grid("""
    ................
    ................
    .KKKKK..........
    KYYYYYK.........
    KYYYYYYKKKKKKK..
    KYYYYYYYYYYYYK..
    KYYYKKKKKKKKKKKK
    KYYKyyyyyyyyyyyK
    KYYKyyyyyyyyyyK.
    KYKyyyyyyyyyyyK.
    KYKyyyyyyyyyyK..
    KKyyyyyyyyyyyK..
    KKKKKKKKKKKKK...
    ................
    ................
""", BW, BH, "FOLDER")

CLIPBOARD = grid("""
    ....KKKKK.......
    .KKKKSSSKKKK....
    KYYKKKKKKKYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KYYYYYYYYYYYK...
    KKKKKKKKKKKKK...
""", BW, BH, "CLIPBOARD")

SCISSORS = grid("""
    ................
    .....K....K.....
    .....K....K.....
    .....KK..KK.....
    ......K..K......
    ......KKKK......
    .......KK.......
    ......KKKK......
    ......r..r......
    ...rrrr..rrrr...
    ..r...r..r...r..
    ..r...r..r...r..
    ..r...r..r...r..
    ...rrr....rrr...
    ................
""", BW, BH, "SCISSORS")

MAGNIFIER = grid("""
    ...KKKK.........
    .KKWcccKK.......
    .KWcccccK.......
    KWcccccccK......
    KWcccccccK......
    KccccccccK......
    KccccccccK......
    .KccccccK.......
    .KKccccKK.......
    ...KKKKKKK......
    ........KKK.....
    .........KKK....
    ..........KKK...
    ...........KKK..
    ............KK..
""", BW, BH, "MAGNIFIER")

SMALL_MAGNIFIER = grid("""
    ..KKK.....
    .KWccK....
    KWccccK...
    KcccccK...
    KcccccK...
    .KcccKK...
    ..KKKKKK..
    ......KKK.
    .......KKK
    ........KK
""", 10, 10, "SMALL_MAGNIFIER")

FLAG = grid("""
    .K.......
    .KKKKKKKK
    .KrrrrrrK
    .KrrrrrrK
    .KrrrrrrK
    .KrrrrrrK
    .KKKKKKKK
    .K.......
    .K.......
    .K.......
    .K.......
    .K.......
    .K.......
    KKK......
""", 9, 14, "FLAG")

CABINET = grid("""
    KKKKKKKKK
    KccccccTK
    KcTKKKTTK
    KTTTTTTTK
    KKKKKKKKK
    KccccccTK
    KcTKKKTTK
    KTTTTTTTK
    KKKKKKKKK
    KccccccTK
    KcTKKKTTK
    KTTTTTTTK
    KKKKKKKKK
""", 9, 13, "CABINET")

# The big "</>" of the tag buttons and a small one for windows.
TAG = grid("""
    ...bb...b.bb...
    ..bb....b..bb..
    .bb....b....bb.
    bb.....b.....bb
    .bb....b....bb.
    ..bb..b....bb..
    ...bb.b...bb...
""", 15, 7, "TAG")

SMALL_TAG = grid("""
    ..b...b.b..
    .b....b..b.
    b....b....b
    .b..b....b.
    ..b.b...b..
""", 11, 5, "SMALL_TAG")

SMALL_FOLDER = grid("""
    KKK....
    KyyKKKK
    KyyyyyK
    KyyyyyK
    KKKKKKK
""", 7, 5, "SMALL_FOLDER")

# 7x7 badges for the bottom-right corner.
PLUS = grid("""
    ..KKK..
    ..KgK..
    KKKgKKK
    KgggggK
    KKKgKKK
    ..KgK..
    ..KKK..
""", 7, 7, "PLUS")

CROSS = grid("""
    rr...rr
    rrr.rrr
    .rrrrr.
    ..rrr..
    .rrrrr.
    rrr.rrr
    rr...rr
""", 7, 7, "CROSS")

ARROW_RIGHT = grid("""
    ...b...
    ...bb..
    bbbbbb.
    bbbbbbb
    bbbbbb.
    ...bb..
    ...b...
""", 7, 7, "ARROW_RIGHT")
ARROW_LEFT = flip_h(ARROW_RIGHT)

ARROW_DOWN = grid("""
    ..bbb..
    ..bbb..
    ..bbb..
    bbbbbbb
    .bbbbb.
    ..bbb..
    ...b...
""", 7, 7, "ARROW_DOWN")
ARROW_UP = flip_v(ARROW_DOWN)

CLOCK = grid("""
    .KKKKK.
    KWWKWWK
    KWWKWWK
    KWWKKKK
    KWWWWWK
    KWWWWWK
    .KKKKK.
""", 7, 7, "CLOCK")

STAR = grid("""
    ...K...
    ..KyK..
    KKKyKKK
    KyyyyyK
    .KyyyK.
    KyyKyyK
    KKK.KKK
""", 7, 7, "STAR")

SWAP = grid("""
    ....b..
    bbbbbb.
    bbbbbbb
    ....b..
    ..r....
    rrrrrrr
    .rrrrrr
""", 7, 7, "SWAP")

SHEET_BADGE = grid("""
    KKK....
    KWKKKKK
    KWWWWWK
    KWDDDWK
    KWWWWWK
    KWDDDWK
    KKKKKKK
""", 7, 7, "SHEET_BADGE")

LETTER_A = grid("""
    ..KKK..
    .KKBKK.
    .KBKBK.
    KKBBBKK
    KBKKKBK
    KBK.KBK
    KKK.KKK
""", 7, 7, "LETTER_A")

COLOURS = grid("""
    KKKKKKK
    KrrKbbK
    KrrKbbK
    KKKKKKK
    KggKyyK
    KggKyyK
    KKKKKKK
""", 7, 7, "COLOURS")

KEY = grid("""
    .KKK...
    KyyyK..
    Ky.yKKK
    KyyyyyK
    .KKKyKK
    ...KyK.
    ....K..
""", 7, 7, "KEY")

LIST_BADGE = grid("""
    KKKKKKK
    KWWWWWK
    KbWKKWK
    KWWWWWK
    KbWKKWK
    KWWWWWK
    KKKKKKK
""", 7, 7, "LIST_BADGE")

PLAY_BADGE = grid("""
    KK.....
    KgKK...
    KgggKK.
    KgggggK
    KgggKK.
    KgKK...
    KK.....
""", 7, 7, "PLAY_BADGE")

NO_SIGN = grid("""
    ..rrrrr..
    .rr...rr.
    r.rr....r
    r..rr...r
    r...rr..r
    r....rr.r
    r.....rrr
    .rr...rr.
    ..rrrrr..
""", 9, 9, "NO_SIGN")

TARGET = grid("""
    ..rrrrr..
    .rWWWWWr.
    rWWrrrWWr
    rWrWWWrWr
    rWrWrWrWr
    rWrWWWrWr
    rWWrrrWWr
    .rWWWWWr.
    ..rrrrr..
""", 9, 9, "TARGET")

WAND = grid("""
    ......y.
    .....yyy
    ......y.
    .....K..
    ....K...
    ...K....
    ..K.....
    .K......
""", 8, 8, "WAND")

SMALL_LOCK = grid("""
    ..KKK..
    .KD.DK.
    .KD.DK.
    KKKKKKK
    KyyyyyK
    KyyKyyK
    KYYKYYK
    KKKKKKK
""", 7, 8, "SMALL_LOCK")

PENCIL = grid("""
    ...........KK.
    ..........KrrK
    .........KrrrK
    ........KSKrK.
    .......KySSK..
    ......KyyyK...
    .....KyyyK....
    ....KyyyK.....
    ...KWyyK......
    ...KWWK.......
    ..KWWK........
    ..KKK.........
    ..K...........
""", 14, 13, "PENCIL")

BADGE_X, BADGE_Y = 9, 8  # where a 7x7 badge sits


def badged(base, badge, x=BADGE_X, y=BADGE_Y):
    return stamp(base, badge, x, y)


def paste_with(page=SMALL_PAGE, badge=None):
    img = compose((CLIPBOARD, 0, 0), (page, 7, 3))
    return badged(img, badge) if badge else img


COPY = compose((SMALL_PAGE, 1, 0), (SMALL_PAGE, 6, 3))
FIND = compose((MAGNIFIER, 1, 0))
CABINET_ICON = compose((CABINET, 0, 1))

UNDO = grid("""
    ................
    ................
    ....b...........
    ...bb...........
    ..bbbbbbbbb.....
    .bbbbbbbbbbbb...
    ..bbbbbbbbbbbb..
    ...bb......bbb..
    ....b.......bbb.
    ............bbb.
    ............bbb.
    ...........bbb..
    .........bbbb...
    ........bbb.....
    ................
""", BW, BH, "UNDO")

PRINTER = grid("""
    ................
    ....KKKKKKKK....
    ....KWWWWWWK....
    ....KWDDDDWK....
    ....KWWWWWWK....
    .KKKKKKKKKKKKKK.
    KSSSSSSSSSSSSSSK
    KSSSSSSSSSSSgSSK
    KSSSSSSSSSSSSSSK
    KDDDDDDDDDDDDDDK
    KSKKKKKKKKKKKKSK
    KSKWWWWWWWWWWKSK
    .KKWDDDDDDDDWKK.
    ...KWWWWWWWWK...
    ...KKKKKKKKKK...
""", BW, BH, "PRINTER")

BRACKETS = grid("""
    ................
    ...KK......KK...
    ..KK........KK..
    ..K..........K..
    .KK..........KK.
    .K............K.
    .K..r......r..K.
    .K.rrrrrrrrrr.K.
    .K..r......r..K.
    .K............K.
    .KK..........KK.
    ..K..........K..
    ..KK........KK..
    ...KK......KK...
    ................
""", BW, BH, "BRACKETS")

SPLIT = grid("""
    ................
    .KKKKKKKKKKKKKK.
    ................
    .......bb.......
    .......bb.......
    .......bb.......
    ....bbbbbbbb....
    .....bbbbbb.....
    ......bbbb......
    .......bb.......
    ................
    .KKKKKKK........
    ................
    .KKKKKKK........
    ................
""", BW, BH, "SPLIT")

JOIN = grid("""
    ................
    .KKKKKKK........
    ................
    .KKKKKKK........
    ................
    .......bb.......
    .......bb.......
    .......bb.......
    ....bbbbbbbb....
    .....bbbbbb.....
    ......bbbb......
    .......bb.......
    ................
    .KKKKKKKKKKKKKK.
    ................
""", BW, BH, "JOIN")

GEAR = grid("""
    ......KKK.......
    ..KK..KDK..KK...
    ..KDKKKDKKKDK...
    ...KDDDDDDDK....
    ..KDDDKKKDDDK...
    KKKDDK...KDDKKK.
    KDDDK.....KDDDK.
    KDDDK.....KDDDK.
    KDDDK.....KDDDK.
    KKKDDK...KDDKKK.
    ..KDDDKKKDDDK...
    ...KDDDDDDDK....
    ..KDKKKDKKKDK...
    ..KK..KDK..KK...
    ......KKK.......
""", BW, BH, "GEAR")

RECORD = grid("""
    ................
    ................
    ......RRRR......
    ....RRrrrrRR....
    ....RrWrrrrR....
    ...RrWrrrrrrR...
    ...RrrrrrrrrR...
    ...RrrrrrrrrR...
    ...RrrrrrrrrR...
    ....RrrrrrrR....
    ....RRrrrrRR....
    ......RRRR......
    ................
    ................
    ................
""", BW, BH, "RECORD")

PLAY = grid("""
    ................
    ....G...........
    ....GG..........
    ....GgG.........
    ....GggG........
    ....GgggG.......
    ....GggggG......
    ....GgggggG.....
    ....GggggG......
    ....GgggG.......
    ....GggG........
    ....GgG.........
    ....GG..........
    ....G...........
    ................
""", BW, BH, "PLAY")

EXPLORER = grid("""
    KKK.............
    KyyKKKK.........
    KyyyyyK.........
    KyyyyyK.........
    KKKKKKK.........
    ..K...KKK.......
    ..K...KyyKKKK...
    ..KKKKKyyyyyK...
    ..K...KyyyyyK...
    ..K...KKKKKKK...
    ..K...KKK.......
    ..K...KyyKKKK...
    ..KKKKKyyyyyK...
    ......KyyyyyK...
    ......KKKKKKK...
""", BW, BH, "EXPLORER")

CONSOLE = grid("""
    ................
    DDDDDDDDDDDDDDDD
    DbbbbbbbbbbbbWWD
    DDDDDDDDDDDDDDDD
    DKKKKKKKKKKKKKKD
    DKWKKKKKKKKKKKKD
    DKKWKKKKKKKKKKKD
    DKKKWKKKKKKKKKKD
    DKKWKKKKKKKKKKKD
    DKWKKKKKKKKKKKKD
    DKKKKKKWWWWKKKKD
    DKKKKKKKKKKKKKKD
    DDDDDDDDDDDDDDDD
    ................
    ................
""", BW, BH, "CONSOLE")

COLUMN_RULER = grid("""
    ................
    ................
    ................
    ................
    KKKKKKKKKKKKKKKK
    KyKyKyKyKyKyKyyK
    KyyyKyyyKyyyKyyK
    KyyyyyyyKyyyyyyK
    KyyyyyyyyyyyyyyK
    KKKKKKKKKKKKKKKK
    ................
    .....r..........
    ....rrr.........
    ...rrrrr........
    ................
""", BW, BH, "COLUMN_RULER")

LINE_RULER = grid("""
    ...KKKKKKK......
    ...KyyyyyK......
    ...KKyyyyK......
    ...KyyyyyK......
    ...KKKyyyK......
    ...KyyyyyK......
    ...KKyyyyK...r..
    ...KyyyyyK..rr..
    ...KKKKyyK.rrr..
    ...KyyyyyK..rr..
    ...KKyyyyK...r..
    ...KyyyyyK......
    ...KKKyyyK......
    ...KyyyyyK......
    ...KKKKKKK......
""", BW, BH, "LINE_RULER")

FUNNEL = grid("""
    ................
    .KKKKKKKKKKKKKK.
    .KWWWWWWWWWWWWK.
    ..KyyyyyyyyyyK..
    ...KyyyyyyyyK...
    ....KyyyyyyK....
    .....KyyyyK.....
    ......KyyK......
    ......KyyK......
    ......KyyK......
    ......KyyK......
    .......KK.......
    ................
    ..bbbbbbbbbbbb..
    ................
""", BW, BH, "FUNNEL")

TAG_WINDOW = stamp(grid("""
    KKKKKKKKKKKKKKK.
    KBBBBBBBBBBBBBK.
    KKKKKKKKKKKKKKK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KWWWWWWWWWWWWWK.
    KKKKKKKKKKKKKKK.
    ................
""", BW, BH, "TAG_WINDOW"), SMALL_TAG, 2, 6)

TAG_JUMP_NEXT = compose((TAG, 0, 1), (ARROW_RIGHT, 8, 8))
TAG_JUMP_PREV = compose((TAG, 0, 1), (ARROW_LEFT, 1, 8))
TAG_JUMP_CURRENT = compose((TAG, 0, 1), (ARROW_DOWN, 4, 8))
INSERT_TAG = compose((TAG, 0, 1), (PLUS, 9, 8))
TAG_ERASE = compose((TAG, 0, 1), (CROSS, 9, 8))

TOOLBAR = [
    ("kCmdFileNew", PAGE),
    ("kCmdFileOpen", FOLDER),
    ("kCmdFileSave", FLOPPY),
    ("kCmdSaveAll", compose((SMALL_FLOPPY, 0, 0), (SMALL_FLOPPY, 5, 4))),
    ("kCmdCloseAll", compose((SMALL_PAGE, 1, 0), (SMALL_PAGE, 5, 3), (CROSS, 9, 8))),
    ("kCmdFilePrint", PRINTER),
    ("kCmdEditUndo", UNDO),
    ("kCmdEditRedo", flip_h(UNDO)),
    ("kCmdEditCut", SCISSORS),
    ("kCmdEditCopy", COPY),
    ("kCmdEditPaste", paste_with()),
    ("kCmdAppendCut", badged(SCISSORS, PLUS)),
    ("kCmdAppendCopy", badged(COPY, PLUS)),
    ("kCmdPasteSelected", paste_with(SELECTED_PAGE)),
    ("kCmdPasteFromHistory", paste_with(badge=CLOCK)),
    ("kCmdPasteHistoryCurrent", paste_with(badge=ARROW_RIGHT)),
    ("kCmdPasteHistoryNext", paste_with(badge=ARROW_DOWN)),
    ("kCmdPasteHistoryPrev", paste_with(badge=ARROW_UP)),
    ("kCmdEditFind", FIND),
    ("kCmdFindNext", compose((MAGNIFIER, 0, 0), (ARROW_RIGHT, 9, 0))),
    ("kCmdFindPrev", compose((MAGNIFIER, 0, 0), (ARROW_LEFT, 9, 0))),
    ("kCmdGlobalSearch", compose((SMALL_PAGE, 7, 0), (SMALL_PAGE, 4, 3), (SMALL_MAGNIFIER, 0, 5))),
    ("kCmdLineExtract", FUNNEL),
    ("kCmdLineMarkToggle", compose((FLAG, 3, 1))),
    ("kCmdLineMarkNext", compose((FLAG, 0, 1), (ARROW_DOWN, 9, 8))),
    ("kCmdLineMarkPrev", compose((FLAG, 0, 1), (ARROW_UP, 9, 8))),
    ("kCmdLineMarkClearAll", compose((FLAG, 0, 1), (CROSS, 9, 8))),
    ("kCmdMatchBracket", BRACKETS),
    ("kCmdAlignRight", lines([14, 8, 12, 6, 14, 10], "right")),
    ("kCmdAlignLeft", lines([14, 8, 12, 6, 14, 10], "left")),
    ("kCmdAlignCentre", lines([14, 8, 12, 6, 14, 10], "centre")),
    ("kCmdSplitLines", SPLIT),
    ("kCmdJoinLines", JOIN),
    ("kCmdCabinetChange", badged(CABINET_ICON, SWAP)),
    ("kCmdCabinetNew", badged(CABINET_ICON, STAR)),
    ("kCmdCabinetSheet", badged(CABINET_ICON, SHEET_BADGE)),
    ("kCmdCabinetFormat", badged(CABINET_ICON, LETTER_A)),
    ("kCmdCabinetColour", badged(CABINET_ICON, COLOURS)),
    ("kCmdCabinetKeyword", badged(CABINET_ICON, KEY)),
    ("kCmdCabinetFileList", badged(CABINET_ICON, LIST_BADGE)),
    ("kCmdCommonSettingsBar", GEAR),
    ("kCmdRecordToggle", RECORD),
    ("kCmdPlayback", PLAY),
    ("kCmdSaveOperation", badged(FLOPPY, PLAY_BADGE)),
    ("kCmdLoadOperation", badged(FOLDER, PLAY_BADGE)),
    ("kCmdExplorer", EXPLORER),
    ("kCmdRunProgram", CONSOLE),
    ("kCmdColumnRuler", COLUMN_RULER),
    ("kCmdLineRuler", LINE_RULER),
    ("kCmdAllowOverwrite", compose((PAGE, 0, 0), (PENCIL, 2, 2))),
    ("kCmdTagJumpNext", TAG_JUMP_NEXT),
    ("kCmdTagJumpPrev", TAG_JUMP_PREV),
    ("kCmdTagWindow", TAG_WINDOW),
    ("kCmdInsertTag", INSERT_TAG),
]

# ---------------------------------------------------------------------------
# Tag tool bar 1.

WEB_PAGE = grid("""
    ..KKKKKKKK......
    ..KWWWWWWKK.....
    ..KWrrrrWKWK....
    ..KWWWWWWKWWK...
    ..KWDDDDWKKKKK..
    ..KWWWWWWWWWWK..
    ..KWDDDDDDDDWK..
    ..KWWWWWWWWWWK..
    ..KWbbbbbbWWWK..
    ..KWWWWWWWWWWK..
    ..KWDDDDDDDDWK..
    ..KWWWWWWWWWWK..
    ..KWDDDDDWWWWK..
    ..KKKKKKKKKKKK..
    ................
""", BW, BH, "WEB_PAGE")

PICTURE = grid("""
    ................
    KKKKKKKKKKKKKKKK
    KccccccccccyyccK
    KcccccccccyyyycK
    KcccccccccyyyycK
    KccccccccccyyccK
    KccccGcccccccccK
    KcccGGGccccccccK
    KccGGGGGccGccccK
    KcGGGGGGGGGGcccK
    KGGGGGGGGGGGGGcK
    KGGGGGGGGGGGGGGK
    KggggggggggggggK
    KKKKKKKKKKKKKKKK
    ................
""", BW, BH, "PICTURE")

HEADING = grid("""
    ................
    ................
    .BB...BB....rr..
    .BB...BB...rrr..
    .BB...BB..rrrr..
    .BB...BB....rr..
    .BBBBBBB....rr..
    .BBBBBBB....rr..
    .BB...BB....rr..
    .BB...BB....rr..
    .BB...BB....rr..
    .BB...BB..rrrrrr
    ................
    ................
    ................
""", BW, BH, "HEADING")

CHARACTER = grid("""
    ................
    ................
    ...BB...........
    ..BBBB..........
    ..BBBB..........
    .BB..BB.........
    .BB..BB...rrr...
    .BBBBBB......r..
    BB....BB..rrrr..
    BB....BB.r...r..
    BB....BB..rrrrr.
    ................
    ................
    ................
    ................
""", BW, BH, "CHARACTER")

SPARKLE = outline(grid("""
    ................
    .......y........
    .......y........
    ......yyy.......
    ......yyy.......
    .....yyyyy......
    ..yyyyyyyyyyy...
    .yyyyyyWyyyyyy..
    ..yyyyyyyyyyy...
    .....yyyyy......
    ......yyy.......
    ......yyy.......
    .......y........
    .......y........
    ................
""", BW, BH, "SPARKLE"), "R")

RING = grid("""
    .bbbbbbb.
    bb.....bb
    b.......b
    bb.....bb
    .bbbbbbb.
""", 9, 5, "RING")

ANCHOR = grid("""
    ................
    .......BB.......
    ......B..B......
    .......BB.......
    .....BBBBBB.....
    .......BB.......
    .......BB.......
    .......BB.......
    .......BB.......
    ..B....BB....B..
    .BBB...BB...BBB.
    ..BB...BB...BB..
    ...BB..BB..BB...
    ....BBBBBBBB....
    ......BBBB......
""", BW, BH, "ANCHOR")

PRE = stamp(grid("""
    ................
    ................
    ................
    DDDDDDDDDDDDDDDD
    DWWWWWWWWWWWWWWD
    DWWWWWWWWWWWWWWD
    DWWWWWWWWWWWWWWD
    DWWWWWWWWWWWWWWD
    DWWWWWWWWWWWWWWD
    DWWWWWWWWWWWWWWD
    DWWWWWWWWWWWWWWD
    DDDDDDDDDDDDDDDD
    ................
    ................
    ................
""", BW, BH, "PRE"), text("PRE", "B", 2), 2, 5)

BULLETS = grid("""
    ................
    ................
    .bbb............
    .bbb.KKKKKKKKKK.
    .bbb............
    ................
    .bbb............
    .bbb.KKKKKKKK...
    .bbb............
    ................
    .bbb............
    .bbb.KKKKKKKKKK.
    .bbb............
    ................
    ................
""", BW, BH, "BULLETS")

NUMBERS = compose((text("1", "r"), 1, 1), (hline(5, 14), 5, 3), (hline(5, 12, "D"), 5, 5),
                  (text("2", "r"), 1, 8), (hline(5, 14), 5, 10), (hline(5, 11, "D"), 5, 12))

DEFINITIONS = compose((hline(1, 7, "B"), 1, 1), (hline(1, 7, "B"), 1, 2),
                      (hline(4, 14, "D"), 4, 4), (hline(4, 12, "D"), 4, 6),
                      (hline(1, 9, "B"), 1, 8), (hline(1, 9, "B"), 1, 9),
                      (hline(4, 14, "D"), 4, 11), (hline(4, 11, "D"), 4, 13))

PILCROW = grid("""
    ................
    .....KKKKKKKKK..
    ....KKKKKK.KK...
    ...KKKKKKK.KK...
    ...KKKKKKK.KK...
    ...KKKKKKK.KK...
    ....KKKKKK.KK...
    ......KKKK.KK...
    ........KK.KK...
    ........KK.KK...
    ........KK.KK...
    ........KK.KK...
    ........KK.KK...
    ........KK.KK...
    ................
""", BW, BH, "PILCROW")

RETURN = grid("""
    ................
    ............bb..
    .KKKKKKKKK..bb..
    ............bb..
    ............bb..
    .....b......bb..
    ....bb......bb..
    ...bbb......bb..
    ..bbbbbbbbbbbb..
    ..bbbbbbbbbbbb..
    ...bbb..........
    ....bb..........
    .....b..........
    ................
    ................
""", BW, BH, "RETURN")

NO_FLOW = grid("""
    ................
    .KKKKKK.........
    .KccycK..r...r..
    .KcGccK...r.r...
    .KGGGcK....r....
    .KGGGGK...r.r...
    .KKKKKK..r...r..
    ................
    ................
    .KKKKKKKKKKKKKK.
    ................
    .KKKKKKKKKKKKKK.
    ................
    .KKKKKKKKKK.....
    ................
""", BW, BH, "NO_FLOW")

RULE = compose((hline(1, 14, "D"), 1, 2), (hline(1, 10, "D"), 1, 4),
               (hline(0, 15, "B"), 0, 7), (hline(0, 15, "B"), 0, 8),
               (hline(1, 14, "D"), 1, 11), (hline(1, 12, "D"), 1, 13))

REPEAT = outline(grid("""
    ................
    .....gggg.......
    ...gggggggg.....
    ..ggg....ggg....
    ..gg......gg....
    .gg......gggggg.
    .gg.......gggg..
    .gg........gg...
    .gg.............
    ..gg............
    ..ggg....ggg....
    ...gggggggg.....
    .....gggg.......
    ................
    ................
""", BW, BH, "REPEAT"), "G")

TAG_BAR_1 = [
    ("kCmdTagPage", WEB_PAGE),
    ("kCmdTagImage", PICTURE),
    ("kCmdTagHeading", HEADING),
    ("kCmdTagCharacter", CHARACTER),
    ("kCmdTagBlink", SPARKLE),
    ("kCmdTagLink", compose((RING, 0, 4), (recolour(RING, {"b": "B"}), 7, 6))),
    ("kCmdTagAnchor", ANCHOR),
    ("kCmdTagCentre", lines([12, 6, 10, 4, 12, 8], "centre", "B")),
    ("kCmdTagPre", PRE),
    ("kCmdTagBulletList", BULLETS),
    ("kCmdTagNumberList", NUMBERS),
    ("kCmdTagDefinitionList", DEFINITIONS),
    ("kCmdTagParagraph", PILCROW),
    ("kCmdTagNoBreak", stamp(RETURN, NO_SIGN, 7, 6)),
    ("kCmdTagClear", NO_FLOW),
    ("kCmdTagRule", RULE),
    ("kCmdTagBreak", RETURN),
    ("kCmdTagErase", TAG_ERASE),
    ("kCmdTagRepeat", REPEAT),
    ("kCmdInsertTag", INSERT_TAG),
    ("kCmdTagJumpCurrent", TAG_JUMP_CURRENT),
    ("kCmdTagJumpNext", TAG_JUMP_NEXT),
    ("kCmdTagJumpPrev", TAG_JUMP_PREV),
]

# ---------------------------------------------------------------------------
# Tag tool bar 2: tables, forms and frames.

# Cell boxes of the 3x3 table grid: columns and rows as (first, last) pixels.
_COLS = ((2, 4), (6, 9), (11, 13))
_ROWS = ((2, 4), (6, 8), (10, 12))


def table(cells=(), colour="y", top=1):
    """A 3x3 table; cells lists the (column, row) boxes filled with colour."""
    rows = ["." * BW for _ in range(BH)]
    body = [list(r) for r in rows]
    for y in range(top, top + 13):
        for x in range(1, 15):
            body[y][x] = "W"
    for x in (1, 5, 10, 14):
        for y in range(top, top + 13):
            body[y][x] = "K"
    for y in (top, top + 4, top + 8, top + 12):
        for x in range(1, 15):
            body[y][x] = "K"
    for c, r in cells:
        for y in range(_ROWS[r][0] - 1 + top, _ROWS[r][1] + top):
            for x in range(_COLS[c][0], _COLS[c][1] + 1):
                body[y][x] = colour
    return Img(["".join(r) for r in body])


def frameset(fill=None):
    """A page split into a left frame and two right frames."""
    body = [list("." * BW) for _ in range(BH)]
    for y in range(1, 14):
        for x in range(0, 16):
            edge = y in (1, 13) or x in (0, 15) or x == 5 or (y == 7 and x > 5)
            body[y][x] = "K" if edge else "W"
    if fill:
        for y in range(8, 13):
            for x in range(6, 15):
                body[y][x] = fill
    return Img(["".join(r) for r in body])


def dashed_box():
    body = [list("." * BW) for _ in range(BH)]
    border = [(x, 0) for x in range(16)] + [(15, y) for y in range(1, 15)] + \
        [(x, 14) for x in range(14, -1, -1)] + [(0, y) for y in range(13, 0, -1)]
    for n, (x, y) in enumerate(border):
        if n % 3 != 2:
            body[y][x] = "B"
    return Img(["".join(r) for r in body])


FIELD = grid("""
    KKKKKKKKKKKK
    KWWWWWWWWWWK
    KWWWWWWWWWWK
    KKKKKKKKKKKK
""", 12, 4, "FIELD")

BUTTON = grid("""
    WWWWWWWWWWWWWWK
    WSSSSSSSSSSSSDK
    WSSSSSSSSSSSSDK
    WSSSSSSSSSSSSDK
    WSSSSSSSSSSSSDK
    WSSSSSSSSSSSSDK
    WSSSSSSSSSSSSDK
    WSSSSSSSSSSSSDK
    WDDDDDDDDDDDDDK
    KKKKKKKKKKKKKKK
""", 15, 10, "BUTTON")

SMALL_BUTTON = grid("""
    WWWWWWWK
    WSSSSSDK
    WSSSSSDK
    WDDDDDDK
    KKKKKKKK
""", 8, 5, "SMALL_BUTTON")

TEXT_FIELD = compose((grid("""
    KKKKKKKKKKKKKKKK
    KWWWWWWWWWWWWWWK
    KWWWWWWWWWWWWWWK
    KWWWWWWWWWWWWWWK
    KWWWWWWWWWWWWWWK
    KWWWWWWWWWWWWWWK
    KWWWWWWWWWWWWWWK
    KWWWWWWWWWWWWWWK
    KKKKKKKKKKKKKKKK
""", 16, 9, "TEXT_FIELD"), 0, 3), (text("AB"), 3, 5), (Img(["K"] * 7), 11, 4))

RADIO = grid("""
    ................
    ................
    ......KKKK......
    ....KKWWWWKK....
    ....KWWWWWWK....
    ...KWWWKKWWWK...
    ...KWWKKKKWWK...
    ...KWWKKKKWWK...
    ...KWWWKKWWWK...
    ....KWWWWWWK....
    ....KKWWWWKK....
    ......KKKK......
    ................
    ................
    ................
""", BW, BH, "RADIO")

CHECKBOX = grid("""
    ................
    ................
    ..KKKKKKKKKKK...
    ..KWWWWWWWWWK...
    ..KWWWWWWWKWK...
    ..KWWWWWWKKWK...
    ..KWKWWWKKKWK...
    ..KWKKWKKKWWK...
    ..KWKKKKKWWWK...
    ..KWWKKKWWWWK...
    ..KWWWKWWWWWK...
    ..KWWWWWWWWWK...
    ..KKKKKKKKKKK...
    ................
    ................
""", BW, BH, "CHECKBOX")

SELECT = grid("""
    ................
    KKKKKKKKKKKKKKKK
    KWWWWWWWWKWWWWDK
    KWBBBBBBWKWKKKDK
    KWWWWWWWWKWSKSDK
    KWWWWWWWWKDDDDDK
    KKKKKKKKKKKKKKKK
    KWWWWWWWWWWWWWWK
    KWDDDDDDDWWWWWWK
    KbbbbbbbbbbbbbbK
    KbWWWWWWWWbbbbbK
    KWWWWWWWWWWWWWWK
    KWDDDDDDWWWWWWWK
    KKKKKKKKKKKKKKKK
    ................
""", BW, BH, "SELECT")

TEXT_AREA = grid("""
    ................
    KKKKKKKKKKKKKKK.
    KWWWWWWWWWKSKSK.
    KWDDDDDDDWKKKKK.
    KWWWWWWWWWKSSSK.
    KWDDDDDWWWKDDDK.
    KWWWWWWWWWKDDDK.
    KWDDDDDDDWKSSSK.
    KWWWWWWWWWKSSSK.
    KWDDDDWWWWKSSSK.
    KWWWWWWWWWKKKKK.
    KWDDDDDDWWKSKSK.
    KWWWWWWWWWKSSSK.
    KKKKKKKKKKKKKKK.
    ................
""", BW, BH, "TEXT_AREA")

TAG_BAR_2 = [
    ("kCmdTableWizard", stamp(table(), WAND, 8, 7)),
    ("kCmdTableArea", table()),
    ("kCmdTableCaption", stamp(table(top=2), hline(3, 12, "r"), 3, 0)),
    ("kCmdTableHeader", table([(0, 0), (1, 0), (2, 0)], "B")),
    ("kCmdTableData", table([(1, 1)])),
    ("kCmdTableRow", table([(0, 1), (1, 1), (2, 1)])),
    ("kCmdFormArea", compose((dashed_box(), 0, 0), (FIELD, 2, 2), (SMALL_BUTTON, 6, 8))),
    ("kCmdFormText", TEXT_FIELD),
    ("kCmdFormRadio", RADIO),
    ("kCmdFormCheckBox", CHECKBOX),
    ("kCmdFormSubmit", compose((BUTTON, 0, 2), (ARROW_RIGHT, 4, 3))),
    ("kCmdFormReset", compose((BUTTON, 0, 2), (CROSS, 4, 3))),
    ("kCmdFormSelect", SELECT),
    ("kCmdFormTextArea", TEXT_AREA),
    ("kCmdFrameArea", frameset()),
    ("kCmdFrameFrame", frameset("c")),
    ("kCmdFrameNoFrame", stamp(frameset(), NO_SIGN, 7, 6)),
    ("kCmdFrameTarget", stamp(frameset(), TARGET, 7, 6)),
    ("kCmdTagWindow", TAG_WINDOW),
    ("kCmdTagErase", TAG_ERASE),
    ("kCmdTagRepeat", REPEAT),
]

# ---------------------------------------------------------------------------
# Window-bar images, 16x16: three choices for a protected document, then
# modified, then modified and protected.

PADLOCK = grid("""
    ................
    ......KKKK......
    .....KDDDDK.....
    ....KDKKKKDK....
    ....KDK..KDK....
    ....KDK..KDK....
    ..KKKKKKKKKKKK..
    ..KyyyyyyyyyyK..
    ..KyyyyyyyyyyK..
    ..KyyyyKKyyyyK..
    ..KyyyyKKyyyyK..
    ..KyyyyyKyyyyK..
    ..KyyyyyyyyyyK..
    ..KYYYYYYYYYYK..
    ..KKKKKKKKKKKK..
    ................
""", TW, TH, "PADLOCK")

SHIELD = grid("""
    ................
    .KKKKKKKKKKKKKK.
    .KbbbbbbBBBBBBK.
    .KbbbbbbBBBBBBK.
    .KbbbWbbBBWBBBK.
    .KbbWWWbBWWWBBK.
    .KbbbWbbBBWBBBK.
    .KbbbbbbBBBBBBK.
    ..KbbbbbBBBBBK..
    ..KbbbbbBBBBBK..
    ...KbbbbBBBBK...
    ....KbbbBBBK....
    .....KbbBBK.....
    ......KbBK......
    .......KK.......
    ................
""", TW, TH, "SHIELD")

FORBIDDEN = grid("""
    ................
    .....rrrrrr.....
    ...rrrrrrrrrr...
    ..rrr......rrr..
    ..rrrr......rr..
    .rr.rrr......rr.
    .rr..rrr.....rr.
    .rr...rrr....rr.
    .rr....rrr...rr.
    .rr.....rrr..rr.
    .rr......rrr.rr.
    ..rr......rrrr..
    ..rrr......rrr..
    ...rrrrrrrrrr...
    .....rrrrrr.....
    ................
""", TW, TH, "FORBIDDEN")

MODIFIED = compose((PENCIL, 1, 1), w=TW, h=TH)
MODIFIED_PROTECTED = compose((PENCIL, 0, 0), (SMALL_LOCK, 9, 8), w=TW, h=TH)

WINDOW_BAR = [
    (152, PADLOCK),
    (153, SHIELD),
    (154, FORBIDDEN),
    (155, MODIFIED),
    (156, MODIFIED_PROTECTED),
]

# ---------------------------------------------------------------------------


def strip(images, w, h):
    for name, img in images:
        if (img.w, img.h) != (w, h):
            raise ArtError(f"{name}: image is {img.w}x{img.h}, expected {w}x{h}")
    return Img(["".join("".join(img.rows[y]) for _, img in images) for y in range(h)])


def write_bmp(path, img):
    """An uncompressed 24-bit BMP, bottom-up, rows padded to 4 bytes."""
    row_bytes = (img.w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(img.rows):
        line = bytearray()
        for ch in row:
            r, g, b = PALETTE[ch]
            line += bytes((b, g, r))
        line += b"\0" * (row_bytes - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, img.w, img.h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def check_order(images, array):
    """The names must follow the C++ list of the same bar, when it is present."""
    src = os.path.join(ROOT, "src", "core", "app", "toolbar_data.cpp")
    if not os.path.exists(src):
        return
    body = re.search(r"\b" + array + r"\[\]\s*=\s*\{(.*?)\};", open(src, encoding="utf-8").read(), re.S)
    if not body:
        raise ArtError(f"{array} not found in toolbar_data.cpp")
    expected = re.findall(r"kCmd\w+", body.group(1))
    names = [n for n, _ in images]
    if names != expected:
        raise ArtError(f"{array}: images {names} do not follow {expected}")


def main():
    assert len(TOOLBAR) == 54, len(TOOLBAR)
    assert len(TAG_BAR_1) == 23, len(TAG_BAR_1)
    assert len(TAG_BAR_2) == 21, len(TAG_BAR_2)
    assert len(WINDOW_BAR) == 5, len(WINDOW_BAR)
    check_order(TOOLBAR, "kToolBarButtons")
    check_order(TAG_BAR_1, "kTagBar1")
    check_order(TAG_BAR_2, "kTagBar2")
    os.makedirs(OUT_DIR, exist_ok=True)
    write_bmp(os.path.join(OUT_DIR, "toolbar.bmp"), strip(TOOLBAR, BW, BH))
    write_bmp(os.path.join(OUT_DIR, "tagbar1.bmp"), strip(TAG_BAR_1, BW, BH))
    write_bmp(os.path.join(OUT_DIR, "tagbar2.bmp"), strip(TAG_BAR_2, BW, BH))
    for number, img in WINDOW_BAR:
        write_bmp(os.path.join(OUT_DIR, f"tab{number}.bmp"), strip([(str(number), img)], TW, TH))


if __name__ == "__main__":
    try:
        main()
    except (ArtError, AssertionError) as e:
        print(f"draw_bitmaps: {e}", file=sys.stderr)
        sys.exit(1)
