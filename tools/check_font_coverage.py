#!/usr/bin/env python3
"""Reports the characters of the programs' quoted texts that the glyph table cannot show.

Scans Markdown documents for texts in double quotes ("..." on one line) and checks every
character in them against console/font/glyphs16.bin: that the table has a glyph for it, that
the glyph's width matches the character's CP932 width (8 pixels for one byte, 16 for two), and
that the character can be written in CP932 at all. Characters elsewhere in the documents are
listed separately, for information only.

Usage: tools/check_font_coverage.py DOC.md... [--table FILE]
Exit status 0 when every quoted character is covered, 1 otherwise.
"""

import argparse
import collections
import os
import re
import struct
import sys
import unicodedata

QUOTED = re.compile(r'"([^"\n]*)"')


def read_table(path):
    """Code point -> glyph width in pixels."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"GLYPH16\0":
        sys.exit(f"{path}: not a glyph table")
    (count,) = struct.unpack_from("<I", data, 8)
    widths = {}
    for i in range(count):
        (entry,) = struct.unpack_from("<I", data, 12 + 4 * i)
        widths[entry & 0xFFFFFF] = entry >> 24
    return widths


def cp932_width(ch):
    """Bytes of the character in CP932; None when CP932 text cannot hold it (characters the
    encoder only maps one way, such as U+2212, count as absent: they would not read back)."""
    try:
        data = ch.encode("cp932")
    except UnicodeEncodeError:
        return None
    return len(data) if data.decode("cp932") == ch else None


def problem(ch, widths):
    """Why a character cannot be shown as the console shows it, or None."""
    if ch in "\t\r":
        return "control character"
    size = cp932_width(ch)
    if size is None:
        return "not in CP932"
    if ch == " ":
        return None  # a blank cell draws nothing
    if ord(ch) not in widths:
        return "no glyph"
    if widths[ord(ch)] != 8 * size:
        return f"glyph {widths[ord(ch)]} px wide, CP932 width {size}"
    return None


def describe(ch):
    return f"U+{ord(ch):04X} {ch!r} {unicodedata.name(ch, '?')}"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("documents", nargs="+")
    parser.add_argument("--table", default=os.path.join(here, "..", "console", "font", "glyphs16.bin"))
    args = parser.parse_args()
    widths = read_table(args.table)

    quoted = collections.OrderedDict()  # character -> first place it was seen
    others = collections.OrderedDict()
    for path in args.documents:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                for m in QUOTED.finditer(line):
                    for ch in m.group(1):
                        quoted.setdefault(ch, f"{os.path.basename(path)}:{number}")
                for ch in line.rstrip("\n"):
                    if ord(ch) > 0x7E:
                        others.setdefault(ch, f"{os.path.basename(path)}:{number}")

    failures = [(ch, where, problem(ch, widths)) for ch, where in quoted.items()]
    failures = [f for f in failures if f[2]]
    wide = sum(1 for ch in quoted if cp932_width(ch) == 2)
    print(f"{len(quoted)} distinct characters in quoted texts ({wide} double-byte); "
          f"{len(quoted) - len(failures)} shown correctly")
    for ch, where, why in failures:
        print(f"  MISSING {describe(ch)}: {why} (first at {where})")

    unquoted = [(ch, where, problem(ch, widths)) for ch, where in others.items() if ch not in quoted]
    unquoted = [f for f in unquoted if f[2]]
    if unquoted:
        print(f"{len(unquoted)} characters outside quoted texts have no glyph (for information):")
        for ch, where, why in unquoted:
            print(f"  {describe(ch)}: {why} (first at {where})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
