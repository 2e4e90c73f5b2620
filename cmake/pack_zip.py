#!/usr/bin/env python3
"""Packs files into a zip whose bytes depend on their names and contents
alone: entries in the order given, each with the same time stamp and mode,
and none of the extra fields that would carry the packing machine's access
and change times.

Usage: pack_zip.py OUTPUT.zip FOLDER NAME... (each NAME relative to FOLDER)
"""

import os
import sys
import zipfile

# The time every entry shows.
STAMP = (2026, 1, 1, 0, 0, 0)


def pack(output, folder, names):
    with zipfile.ZipFile(output, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, STAMP)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(os.path.join(folder, name), "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)


if __name__ == "__main__":
    pack(sys.argv[1], sys.argv[2], sys.argv[3:])
