#!/usr/bin/env python3
"""Cuts the dialog font down to the characters the page can show: the printable
ASCII characters, which cover digits and anything typed, and every other
character in the given files (the program's texts and the page's own).

Usage: subset_font.py FONT.ttc OUTPUT.woff2 FILE...
"""

import sys

from fontTools import subset


def characters(paths):
    shown = {chr(c) for c in range(0x20, 0x7F)}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            shown.update(c for c in f.read() if ord(c) >= 0x80)
    return "".join(sorted(shown))


def main(font, output, paths):
    subset.main([
        font,
        "--font-number=0",
        "--flavor=woff2",
        "--text=" + characters(paths),
        "--output-file=" + output,
    ])


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
