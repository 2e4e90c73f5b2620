"""Readers for a compiled Windows resource file (.res) and the structures in it.

A .res file is a run of entries, each a header (sizes, type, name, language)
followed by the data, every part aligned to four bytes. Version information
is a tree of blocks, each with a UTF-16 key, an optional value and children.
"""

import struct
from dataclasses import dataclass, field

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24


def align4(pos):
    return (pos + 3) & ~3


def read_utf16z(data, pos):
    """Reads a NUL-terminated UTF-16LE string; returns (text, position after it)."""
    end = pos
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def read_id(data, pos):
    """A type or name: an ordinal (0xFFFF then a number) or a UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    return read_utf16z(data, pos)


@dataclass
class Resource:
    type: object
    name: object
    language: int
    data: bytes


def read_resources(data):
    """All entries of a .res file except the empty one that opens it."""
    resources, pos = [], 0
    while pos < len(data):
        data_size, header_size = struct.unpack_from("<II", data, pos)
        kind, at = read_id(data, pos + 8)
        name, at = read_id(data, at)
        _, _, language, _, _ = struct.unpack_from("<IHHII", data, align4(at))
        body = data[pos + header_size:pos + header_size + data_size]
        if len(body) != data_size:
            raise ValueError(f"entry at {pos} runs past the end of the file")
        if (kind, name, data_size) != (0, 0, 0):
            resources.append(Resource(kind, name, language, body))
        pos = align4(pos + header_size + data_size)
    return resources


@dataclass
class VersionBlock:
    key: str
    is_text: bool
    value: bytes
    children: list = field(default_factory=list)

    def text(self):
        return self.value.decode("utf-16-le").rstrip("\0")

    def child(self, key):
        matches = [c for c in self.children if c.key == key]
        if len(matches) != 1:
            raise KeyError(f"{self.key!r} has {len(matches)} blocks named {key!r}")
        return matches[0]


def read_version_block(data, pos=0):
    """Reads one block and its children; returns (block, position after it)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, pos)
    end = pos + length
    if end > len(data):
        raise ValueError(f"block at {pos} claims {length} bytes past the end")
    key, at = read_utf16z(data, pos + 6)
    at = align4(at)
    # A text value's length counts UTF-16 characters, a binary one's bytes.
    value_size = value_length * 2 if kind == 1 else value_length
    block = VersionBlock(key, kind == 1, data[at:at + value_size])
    at = align4(at + value_size)
    while at < end:
        child, at = read_version_block(data, at)
        block.children.append(child)
        at = align4(at)
    return block, end
