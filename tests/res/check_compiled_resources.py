#!/usr/bin/env python3
"""Compiles res/qob.rc with windres and checks, field by field, what the
compiled resource file holds: languages, version information, manifest and
the icon group with its images.

Usage: check_compiled_resources.py --windres PATH --rc PATH --manifest PATH
                                   --version A.B.C.D --out PATH.res

The manifest and the version header are the ones the build configured, which
the script finds through the folder they stand in; --version is the project's.
"""

import argparse
import itertools
import os
import struct
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ET

import res_file
from res_file import RT_GROUP_ICON, RT_ICON, RT_MANIFEST, RT_VERSION

CHINESE_PRC = 0x0804
ICON_SIZES = (48, 32, 16)
ICON_BIT_COUNTS = (4, 8, 24)
ASM = "{urn:schemas-microsoft-com:asm.v1}"

ARGS = None
RESOURCES = []


def setUpModule():
    global RESOURCES
    # With no --preprocessor windres looks for a MinGW gcc; the plain C
    # preprocessor is all the script needs.
    subprocess.run([ARGS.windres, "--preprocessor=cpp", "--input-format=rc",
                    "--output-format=res", "--include-dir", os.path.dirname(ARGS.manifest),
                    "-i", ARGS.rc, "-o", ARGS.out], check=True)
    with open(ARGS.out, "rb") as f:
        RESOURCES = res_file.read_resources(f.read())


def find(kind, name):
    matches = [r for r in RESOURCES if (r.type, r.name) == (kind, name)]
    if len(matches) != 1:
        raise AssertionError(f"{len(matches)} resources of type {kind} named {name!r}")
    return matches[0]


class Contents(unittest.TestCase):
    def test_every_resource_is_chinese_prc(self):
        self.assertTrue(RESOURCES)
        for r in RESOURCES:
            with self.subTest(type=r.type, name=r.name):
                self.assertEqual(r.language, CHINESE_PRC)

    def test_holds_exactly_the_icons_version_and_manifest(self):
        kinds = sorted((r.type, r.name) for r in RESOURCES if r.type != RT_ICON)
        self.assertEqual(kinds, [(RT_GROUP_ICON, 128), (RT_VERSION, 1), (RT_MANIFEST, 1)])


class VersionInformation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root, _ = res_file.read_version_block(find(RT_VERSION, 1).data)

    def test_fixed_part(self):
        self.assertEqual(self.root.key, "VS_VERSION_INFO")
        self.assertFalse(self.root.is_text)
        fields = struct.unpack("<13I", self.root.value)
        major, minor, build, revision = (int(n) for n in ARGS.version.split("."))
        high, low = major << 16 | minor, build << 16 | revision
        expected = {
            "signature": 0xFEEF04BD, "structure version": 0x00010000,
            "file version high": high, "file version low": low,
            "product version high": high, "product version low": low,
            "flags mask": 0x3F, "flags": 0x1, "OS": 0x4, "type": 0x1, "subtype": 0x0,
            "date high": 0, "date low": 0,
        }
        for (name, want), got in zip(expected.items(), fields):
            with self.subTest(field=name):
                self.assertEqual(got, want)

    def test_top_level_blocks(self):
        self.assertEqual([c.key for c in self.root.children], ["StringFileInfo", "VarFileInfo"])

    def test_strings_name_the_program_in_chinese_prc(self):
        tables = self.root.child("StringFileInfo").children
        self.assertEqual([t.key for t in tables], ["080403a8"])
        strings = {s.key: s.text() for s in tables[0].children if s.is_text}
        self.assertEqual(list(strings), [
            "CompanyName", "FileDescription", "FileVersion", "InternalName",
            "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"])
        for key in ("FileVersion", "ProductVersion"):
            self.assertEqual(strings[key], ARGS.version)
        for key in ("InternalName", "OriginalFilename"):
            self.assertEqual(strings[key], "qob.exe")
        # Windows shows the description as the program's name in Task Manager.
        self.assertEqual(strings["FileDescription"], "vidad 生物节律计算器")
        for key, text in strings.items():
            with self.subTest(key=key):
                self.assertNotIn("TODO", text)

    def test_translation_is_chinese_prc_with_its_code_page(self):
        var = self.root.child("VarFileInfo").child("Translation")
        self.assertFalse(var.is_text)
        self.assertEqual(struct.unpack("<HH", var.value), (0x0804, 936))


class Manifest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = find(RT_MANIFEST, 1).data

    def test_is_the_manifest_file_verbatim_and_well_formed(self):
        with open(ARGS.manifest, "rb") as f:
            self.assertEqual(self.data, f.read())
        self.assertEqual(ET.fromstring(self.data).tag, ASM + "assembly")


def group_entries():
    """The icon group's directory: (width, height, colours, planes, bits, bytes, id)."""
    data = find(RT_GROUP_ICON, 128).data
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if (reserved, kind) != (0, 1) or len(data) != 6 + 14 * count:
        raise AssertionError(f"not an icon group: {reserved}, {kind}, {count} in {len(data)} bytes")
    entries = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i)
        entries.append((w or 256, h or 256, colours, planes, bits, size, icon_id))
    return entries


def row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


class IconGroup(unittest.TestCase):
    def test_holds_each_size_at_each_bit_count_once(self):
        got = sorted((w, h, bits) for w, h, _, _, bits, _, _ in group_entries())
        self.assertEqual(got, sorted((s, s, b) for s, b in itertools.product(ICON_SIZES, ICON_BIT_COUNTS)))

    def test_entries_name_distinct_icons_and_all_icons_are_in_the_group(self):
        ids = [e[-1] for e in group_entries()]
        self.assertEqual(len(set(ids)), len(ids))
        self.assertEqual(sorted(ids), sorted(r.name for r in RESOURCES if r.type == RT_ICON))

    def test_each_image_agrees_with_its_entry(self):
        for w, h, colours, planes, bits, size, icon_id in group_entries():
            with self.subTest(size=w, bits=bits):
                data = find(RT_ICON, icon_id).data
                self.assertEqual(len(data), size)
                self.assertEqual(planes, 1)
                self.assertEqual(colours, 16 if bits == 4 else 0)
                header = struct.unpack_from("<IiiHHII", data)
                self.assertEqual(header[:6], (40, w, 2 * h, 1, bits, 0))
                palette = 4 << bits if bits <= 8 else 0
                expected = 40 + palette + h * row_bytes(w, bits) + h * row_bytes(w, 1)
                self.assertEqual(len(data), expected, "header, palette, XOR bitmap and AND mask")

    def test_masked_pixels_are_black_and_the_tile_shows_through_the_mask(self):
        for w, h, _, _, bits, _, icon_id in group_entries():
            with self.subTest(size=w, bits=bits):
                image = IconImage(find(RT_ICON, icon_id).data, w, h, bits)
                self.assertTrue(image.masked(0, 0), "the rounded corner is transparent")
                self.assertFalse(image.masked(w // 2, h // 2), "the middle of the tile is opaque")
                for x, y in itertools.product(range(w), range(h)):
                    if image.masked(x, y):
                        self.assertEqual(image.colour(x, y), (0, 0, 0), f"pixel {x},{y}")


class IconImage:
    """Pixel access to an icon bitmap; (0, 0) is the top left corner."""

    def __init__(self, data, width, height, bits):
        self.data, self.width, self.height, self.bits = data, width, height, bits
        self.palette_at = 40
        self.xor_at = 40 + (4 << bits if bits <= 8 else 0)
        self.and_at = self.xor_at + height * row_bytes(width, bits)

    def _row(self, start, bits, y):
        at = start + (self.height - 1 - y) * row_bytes(self.width, bits)
        return self.data[at:at + row_bytes(self.width, bits)]

    def masked(self, x, y):
        return bool(self._row(self.and_at, 1, y)[x // 8] >> (7 - x % 8) & 1)

    def colour(self, x, y):
        row = self._row(self.xor_at, self.bits, y)
        if self.bits == 24:
            b, g, r = row[3 * x:3 * x + 3]
            return r, g, b
        index = row[x] if self.bits == 8 else row[x // 2] >> (4 if x % 2 == 0 else 0) & 0xF
        b, g, r, _ = self.data[self.palette_at + 4 * index:self.palette_at + 4 * index + 4]
        return r, g, b


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--windres", required=True)
    parser.add_argument("--rc", required=True)
    parser.add_argument("--manifest", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--out", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
