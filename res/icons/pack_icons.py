#!/usr/bin/env python3
"""Turns the rendered RGBA icon images into the committed PNG and ICO files.

Usage: pack_icons.py OUT_DIR RENDER_48 RENDER_32 RENDER_16

Standard library only, and deterministic: the same renders always give the
same bytes, so the committed files change only when the drawing does.
The ICO holds each size as a 4-bpp and an 8-bpp palettized bitmap and a
24-bpp bitmap, every one with its 1-bpp AND mask, which is what every
Windows shell and resource compiler can read.
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
BIT_COUNTS = (4, 8, 24)
# A pixel at least this opaque is drawn in the masked bitmaps; the rest is
# left to the AND mask.
OPAQUE_FROM = 128


def read_png_rgba(path):
    """Returns (width, height, rows) for an 8-bit RGBA, non-interlaced PNG."""
    data = open(path, "rb").read()
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError(f"{path}: not a PNG")
    pos, header, idat = len(PNG_SIGNATURE), None, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError(f"{path}: expected 8-bit RGBA without interlacing")
    raw, stride, rows, prev = zlib.decompress(idat), width * 4, [], bytes(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        rows.append(prev := unfilter(raw[start], raw[start + 1:start + 1 + stride], prev))
    return width, height, [[tuple(r[x * 4:x * 4 + 4]) for x in range(width)] for r in rows]


def unfilter(kind, line, prev):
    out = bytearray(line)
    for i in range(len(out)):
        a = out[i - 4] if i >= 4 else 0
        b = prev[i]
        c = prev[i - 4] if i >= 4 else 0
        if kind == 1:
            out[i] = (out[i] + a) & 0xFF
        elif kind == 2:
            out[i] = (out[i] + b) & 0xFF
        elif kind == 3:
            out[i] = (out[i] + (a + b) // 2) & 0xFF
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            out[i] = (out[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
    return bytes(out)


def png_bytes(width, height, pixels):
    """A minimal RGBA PNG: no timestamps or text chunks, so output is stable."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in pixels)
    return (PNG_SIGNATURE
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def opaque(px):
    return px[3] >= OPAQUE_FROM


def median_cut(counts, size):
    """Picks up to `size` colours for the given {rgb: pixel count} histogram.

    Splits the box with the widest channel range at its weighted median until
    there are enough boxes; each box gives its count-weighted mean colour.
    """
    boxes = [sorted(counts.items())]
    while len(boxes) < size:
        def spread(box):
            return max(max(c[0][k] for c in box) - min(c[0][k] for c in box) for k in range(3))
        index = max(range(len(boxes)), key=lambda i: (spread(boxes[i]), -i))
        box = boxes[index]
        if len(box) < 2:
            break
        axis = max(range(3), key=lambda k: max(c[0][k] for c in box) - min(c[0][k] for c in box))
        box.sort(key=lambda c: (c[0][axis], c[0]))
        half, seen, cut = sum(n for _, n in box) / 2, 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            seen += n
            cut = i + 1
            if seen >= half:
                break
        boxes[index:index + 1] = [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[k] * n for c, n in box) / total) for k in range(3)))
    return palette


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: (sum((palette[i][k] - rgb[k]) ** 2 for k in range(3)), i))


def padded_row(data):
    return data + bytes(-len(data) % 4)


def pack_nibbles(indices):
    if len(indices) % 2:
        indices = indices + [0]
    return bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))


def and_mask(pixels):
    rows = []
    for row in reversed(pixels):
        bits = [0 if opaque(px) else 1 for px in row]
        bits += [0] * (-len(bits) % 8)
        rows.append(padded_row(bytes(
            int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, len(bits), 8))))
    return b"".join(rows)


def bitmap_entry(width, height, pixels, bit_count):
    """One ICO image: BITMAPINFOHEADER, palette, bottom-up XOR bitmap, AND mask.

    Masked-out pixels are black in the XOR bitmap (palette entry 0), so they
    show the background through the mask unchanged.
    """
    palette, xor_rows = b"", []
    if bit_count in (4, 8):
        counts = {}
        for row in pixels:
            for px in row:
                if opaque(px):
                    counts[px[:3]] = counts.get(px[:3], 0) + 1
        chosen = median_cut(counts, (1 << bit_count) - 1)
        lookup = {rgb: nearest(chosen, rgb) + 1 for rgb in counts}
        colours = [(0, 0, 0)] + chosen + [(0, 0, 0)] * ((1 << bit_count) - 1 - len(chosen))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
        for row in reversed(pixels):
            indices = [lookup[px[:3]] if opaque(px) else 0 for px in row]
            xor_rows.append(padded_row(pack_nibbles(indices) if bit_count == 4 else bytes(indices)))
    else:
        for row in reversed(pixels):
            xor_rows.append(padded_row(b"".join(
                bytes((px[2], px[1], px[0])) if opaque(px) else b"\0\0\0" for px in row)))
    xor, mask = b"".join(xor_rows), and_mask(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bit_count, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + palette + xor + mask


def ico_bytes(images):
    """images: (width, height, pixels) largest first; each is stored at every bit count."""
    entries = [(w, h, bit_count, bitmap_entry(w, h, px, bit_count))
               for w, h, px in images for bit_count in BIT_COUNTS]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    body = b""
    for w, h, bit_count, data in entries:
        colour_count = 16 if bit_count == 4 else 0
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, colour_count, 0, 1,
                                 bit_count, len(data), offset + len(body))
        body += data
    return directory + body


def main(argv):
    out_dir, renders = argv[1], argv[2:]
    images = [read_png_rgba(path) for path in renders]
    for width, height, pixels in images:
        with open(f"{out_dir}/qob-{width}.png", "wb") as f:
            f.write(png_bytes(width, height, pixels))
        # The program's own copy: raw RGBA rows, which it shows without an
        # image decoder, so starting it never scans for image plugins.
        with open(f"{out_dir}/{width}.rgba", "wb") as f:
            f.write(b"".join(bytes(px) for row in pixels for px in row))
    with open(f"{out_dir}/qob.ico", "wb") as f:
        f.write(ico_bytes(images))


if __name__ == "__main__":
    main(sys.argv)
