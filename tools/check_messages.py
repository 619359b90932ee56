#!/usr/bin/env python3
"""Compares the message table of the engine with the message texts of a
reference text and prints every difference.

Run from the repository root:

    python3 tools/check_messages.py REFERENCE.md [--missing]

REFERENCE.md is the reference text (Markdown, UTF-8). A message text there is
a text in double quotes next to its id, in any of these forms:

    string 100 ("text")        message 59406 ("text")
    string 57347, "text"       string 59455 "text"
    "text" (59406)             "text" (message box, string 59395)
    | 2 | 59143 | "text" |      (a table row: the id, then the text)

Texts without an id are found by their words: a table text that appears
nowhere in double quotes is compared with the quoted text most like it.

The table is src/core/base/messages.h (the ids) and messages.cpp (the Japanese
and English forms). For every entry the script prints:

    DIFF     the table text differs from the reference text of its id, or
             from the most similar quoted text (with the first differing
             characters and their code points);
    ID       the text is the reference text of another id;
    NOREF    no quoted text is like it (most English forms: the reference
             text gives few of them).

With --missing it also lists the ids of the reference text that the table
does not hold. The exit status is 1 when there is a DIFF or ID line.
"""

import difflib
import re
import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
HEADER = ROOT / "src/core/base/messages.h"
TABLE = ROOT / "src/core/base/messages.cpp"

# Quoted text: no double quote inside, on one line.
QUOTED = r'"([^"\n]*)"'
ID_BEFORE = re.compile(r'\b(?:string|message)s? (\d{3,5})(?: \(|, | )' + QUOTED)
ID_AFTER = re.compile(QUOTED + r' \((?:[a-z ,]*?(?:string|message) )?(\d{3,5})\)')
TABLE_ROW = re.compile(r'^\|[^|\n]*\| (\d{3,5}) \|\s*' + QUOTED, re.M)
# A text that quotes short pieces itself ("... "/*" ..."), before its id.
NESTED_ID_AFTER = re.compile(r'"((?:[^"\n]|"[^"\n]{1,4}")*)" \((?:[a-z ,]*?(?:string|message) )?(\d{3,5})\)')
LIKE_ENOUGH = 0.8


def c_string_literals(text):
    """The C string literals of text, escapes resolved."""
    escapes = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "'": "'", "0": "\0"}
    out = []
    for lit in re.findall(r'"((?:[^"\\\n]|\\.)*)"', text):
        s = re.sub(r'\\x([0-9A-Fa-f]{1,2})', lambda m: chr(int(m.group(1), 16)), lit)
        s = re.sub(r'\\(.)', lambda m: escapes.get(m.group(1), m.group(1)), s)
        out.append(s)
    return out


def read_table():
    """[(name, id, japanese, english or None)] of the message table."""
    ids = {m.group(1): int(m.group(2))
           for m in re.finditer(r'\b(kMsg\w+) = (\d+)', HEADER.read_text(encoding="utf-8"))}
    source = TABLE.read_text(encoding="utf-8")
    body = source[source.index("kMessages[]"):]
    body = body[:body.index("};")]
    entries = []
    # Each entry: {kMsgName, "ja" "ja"..., "en"... or nullptr},
    for m in re.finditer(r'\{(kMsg\w+),((?:[^{}"]|"(?:[^"\\]|\\.)*")*)\}', body):
        parts = re.split(r',(?=(?:[^"]|"(?:[^"\\]|\\.)*")*$)', m.group(2))
        parts = [p for p in parts if p.strip()]
        japanese = "".join(c_string_literals(parts[0]))
        english = None if parts[1].strip() == "nullptr" else "".join(c_string_literals(parts[1]))
        entries.append((m.group(1), ids.get(m.group(1)), japanese, english))
    return entries


def unescape(s):
    """The reference text writes a line break inside a message as \\n."""
    return s.replace("\\n", "\n")


def read_reference(path):
    """({id: set of texts}, set of every quoted text, full text)."""
    text = Path(path).read_text(encoding="utf-8")
    by_id = {}
    forms = ((ID_BEFORE, 1, 2), (ID_AFTER, 2, 1), (NESTED_ID_AFTER, 2, 1), (TABLE_ROW, 1, 2))
    for pattern, id_group, text_group in forms:
        for m in pattern.finditer(text):
            by_id.setdefault(int(m.group(id_group)), set()).add(unescape(m.group(text_group)))
    quoted = {unescape(q) for q in re.findall(QUOTED, text)}
    return by_id, quoted, text


def loose(s):
    """Width, blanks and punctuation folded, for finding a text's nearest."""
    return "".join(c for c in unicodedata.normalize("NFKC", s) if not c.isspace())


def nearest(s, candidates):
    best, score = None, 0.0
    for c in candidates:
        r = difflib.SequenceMatcher(None, loose(s), loose(c)).ratio()
        if r > score:
            best, score = c, r
    return best, score


def first_difference(a, b):
    i = 0
    while i < min(len(a), len(b)) and a[i] == b[i]:
        i += 1
    def around(s):
        piece = s[i:i + 3]
        return repr(piece) + " " + " ".join(f"U+{ord(c):04X}" for c in piece)
    return f"at {i}: table {around(a)} / reference {around(b)}"


def check(label, text, ref_texts, by_id, quoted, full, report):
    """Compares one form of one entry; report(kind, line)."""
    if ref_texts and text in ref_texts:
        return
    if not ref_texts and f'"{text}"' in unescape(full):
        return  # given without an id, the same
    ids_of = [i for i, texts in by_id.items() if text in texts]
    if ids_of:
        report("ID", f"{label}: {text!r} is the reference text of id {', '.join(map(str, ids_of))}")
        return
    candidates = ref_texts or quoted
    best, score = nearest(text, candidates)
    if ref_texts or score >= LIKE_ENOUGH:
        owners = [str(i) for i, texts in by_id.items() if best in texts]
        where = f" (id {', '.join(owners)})" if owners else ""
        report("DIFF", f"{label}:\n    table     {text!r}\n    reference {best!r}{where}\n    "
               + first_difference(text, best))
    else:
        report("NOREF", f"{label}: {text!r}")


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    by_id, quoted, full = read_reference(argv[1])
    entries = read_table()
    found = {"DIFF": 0, "ID": 0, "NOREF": 0}

    def report(kind, line):
        found[kind] += 1
        print(f"{kind:6} {line}")

    for name, msg_id, japanese, english in entries:
        refs = by_id.get(msg_id, set())
        check(f"{name} ({msg_id}) Japanese", japanese, refs, by_id, quoted, full, report)
        if english is not None:
            check(f"{name} ({msg_id}) English", english, set(), by_id, quoted, full, report)
    if "--missing" in argv:
        held = {e[1] for e in entries}
        for msg_id in sorted(set(by_id) - held):
            print(f"MISSING {msg_id}: {sorted(by_id[msg_id])}")
    print(f"{len(entries)} entries: {found['DIFF']} differences, {found['ID']} id mismatches, "
          f"{found['NOREF']} without a reference text")
    return 1 if found["DIFF"] or found["ID"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
