#!/usr/bin/env python3
"""Packs files into a zip whose bytes depend on their names, their contents
and the release's time alone: entries in the order given, each with the
same mode and the time SOURCE_DATE_EPOCH (in UTC; a fixed time when it is
not set), and none of the extra fields that would carry the packing
machine's access and change times. Two releases thus unpack with distinct
file times, which servers that validate by a file's time rely on, while two
builds of one commit give the same bytes.

Usage: pack_zip.py OUTPUT.zip FOLDER NAME... (each NAME relative to FOLDER)
A NAME that is a folder stands for every file under it, in sorted order.
"""

import os
import sys
import time
import zipfile

# The time of a build that names no release time.
FIXED_STAMP = (2026, 1, 1, 0, 0, 0)


def stamp():
    """The entries' time: SOURCE_DATE_EPOCH in UTC, rounded down to the two
    seconds a zip's time can tell."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        return FIXED_STAMP
    year, month, day, hour, minute, second = time.gmtime(int(epoch))[:6]
    return (year, month, day, hour, minute, second - second % 2)


def files(folder, name):
    """NAME, or the files under it when it is a folder, by sorted name."""
    path = os.path.join(folder, name)
    if not os.path.isdir(path):
        return [name]
    found = []
    for below, _, names in os.walk(path):
        relative = os.path.relpath(below, folder)
        found += [os.path.join(relative, n).replace(os.sep, "/") for n in names]
    return sorted(found)


def pack(output, folder, names):
    when = stamp()
    with zipfile.ZipFile(output, "w") as archive:
        for name in (f for n in names for f in files(folder, n)):
            entry = zipfile.ZipInfo(name, when)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(os.path.join(folder, name), "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)


if __name__ == "__main__":
    pack(sys.argv[1], sys.argv[2], sys.argv[3:])
