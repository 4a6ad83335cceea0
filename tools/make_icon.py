#!/usr/bin/env python3
"""Draws the Quellar 2000 program icon and writes resources/Quellar.ico.

The icon is a glowing red lamp: a bright red disc inside a white ring with a
black outline, with eight short red rays around it, on a transparent
background.  One .ico file holds two 16-colour images, 32x32 and 16x16.

Only the standard library is used.  A PNG preview (8x scale, both sizes side
by side on a checkerboard) is written as well, by default to
/tmp/icon_preview.png.

Usage: python3 tools/make_icon.py [--out PATH] [--preview PATH]
"""

import argparse
import math
import os
import struct
import zlib

# The standard 16-colour Windows palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00),  # 0  black
    (0x80, 0x00, 0x00),  # 1  dark red
    (0x00, 0x80, 0x00),  # 2  dark green
    (0x80, 0x80, 0x00),  # 3  dark yellow
    (0x00, 0x00, 0x80),  # 4  dark blue
    (0x80, 0x00, 0x80),  # 5  dark magenta
    (0x00, 0x80, 0x80),  # 6  dark cyan
    (0xC0, 0xC0, 0xC0),  # 7  light grey
    (0x80, 0x80, 0x80),  # 8  dark grey
    (0xFF, 0x00, 0x00),  # 9  red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]

BLACK = 0
RED = 9
WHITE = 15
CLEAR = None  # transparent pixel

# Geometry for each size, in pixels, measured from the centre.
#   disc:    radius of the red disc
#   ring:    outer radius of the white ring
#   outline: outer radius of the black outline
#   ray_in / ray_out: where the rays start and end
#   ray_half: half the width of a ray
# The 32x32 centre sits between pixels, so the picture fills the square and
# the straight rays are two pixels wide; the 16x16 centre sits on a pixel, so
# its rays come out exactly one pixel wide.
GEOMETRY = {
    32: dict(centre=15.5, disc=5.8, ring=7.9, outline=9.45,
             ray_in=11.0, ray_out=15.6, ray_half=1.0),
    16: dict(centre=7.0, disc=2.3, ring=3.3, outline=4.3,
             ray_in=5.4, ray_out=7.3, ray_half=0.45),
}

# Unit vectors of the eight rays: N, NE, E, SE, S, SW, W, NW.
_D = math.sqrt(0.5)
RAY_DIRECTIONS = [
    (0.0, -1.0), (_D, -_D), (1.0, 0.0), (_D, _D),
    (0.0, 1.0), (-_D, _D), (-1.0, 0.0), (-_D, -_D),
]
EPSILON = 1e-9


def draw(size):
    """Returns the picture as rows (top row first) of palette indexes or CLEAR."""
    g = GEOMETRY[size]
    c = g["centre"]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - c, y - c
            r = math.hypot(dx, dy)
            if r <= g["disc"]:
                row.append(RED)
            elif r <= g["ring"]:
                row.append(WHITE)
            elif r <= g["outline"]:
                row.append(BLACK)
            elif g["ray_in"] <= r <= g["ray_out"] and on_ray(dx, dy, g):
                row.append(RED)
            else:
                row.append(CLEAR)
        rows.append(row)
    return rows


def on_ray(dx, dy, g):
    for ux, uy in RAY_DIRECTIONS:
        along = dx * ux + dy * uy
        across = abs(dx * uy - dy * ux)
        if along > 0 and across <= g["ray_half"] + EPSILON:
            return True
    return False


def pack_rows(rows, bits, value):
    """Packs rows bottom-up at the given bits per pixel, each row padded to
    a multiple of 32 bits, as a DIB wants them."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        acc = 0
        nbits = 0
        for px in row:
            acc = (acc << bits) | value(px)
            nbits += bits
            if nbits == 8:
                line.append(acc)
                acc = 0
                nbits = 0
        if nbits:
            line.append(acc << (8 - nbits))
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def icon_image(rows):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    size = len(rows)
    xor = pack_rows(rows, 4, lambda px: BLACK if px is CLEAR else px)
    mask = pack_rows(rows, 1, lambda px: 1 if px is CLEAR else 0)
    header = struct.pack(
        "<IiiHHIIiiII",
        40,             # biSize
        size,           # biWidth
        size * 2,       # biHeight: XOR bitmap plus AND mask
        1,              # biPlanes
        4,              # biBitCount
        0,              # biCompression (BI_RGB)
        len(xor) + len(mask),  # biSizeImage
        0, 0,           # biXPelsPerMeter, biYPelsPerMeter
        0,              # biClrUsed (0 means all 16)
        0,              # biClrImportant
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor + mask


def build_ico(images):
    """images: list of (size, image bytes)."""
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    for size, data in images:
        out += struct.pack(
            "<BBBBHHII",
            size if size < 256 else 0,  # bWidth
            size if size < 256 else 0,  # bHeight
            16,                         # bColorCount
            0,                          # bReserved
            1,                          # wPlanes
            4,                          # wBitCount
            len(data),                  # dwBytesInRes
            offset,                     # dwImageOffset
        )
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_preview(path, pictures, scale=8, gap=2):
    """Both pictures side by side, scaled up, on a grey checkerboard."""
    width = sum(len(p) for p in pictures) * scale + gap * scale * (len(pictures) + 1)
    height = max(len(p) for p in pictures) * scale + 2 * gap * scale
    pixels = []
    for y in range(height):
        line = []
        for x in range(width):
            light = ((x // scale) + (y // scale)) % 2 == 0
            line.append((0xE0, 0xE0, 0xE0) if light else (0xB0, 0xB0, 0xB0))
        pixels.append(line)
    left = gap * scale
    for pic in pictures:
        top = gap * scale
        for py, row in enumerate(pic):
            for px, idx in enumerate(row):
                if idx is CLEAR:
                    continue
                colour = PALETTE[idx]
                for sy in range(scale):
                    for sx in range(scale):
                        pixels[top + py * scale + sy][left + px * scale + sx] = colour
        left += len(pic) * scale + gap * scale
    raw = bytearray()
    for line in pixels:
        raw.append(0)  # filter type: none
        for r, g, b in line:
            raw += bytes((r, g, b))
    png = b"\x89PNG\r\n\x1a\n"
    png += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(here, "..", "resources", "Quellar.ico")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.normpath(default_out))
    parser.add_argument("--preview", default="/tmp/icon_preview.png")
    args = parser.parse_args()

    pictures = {size: draw(size) for size in (32, 16)}
    ico = build_ico([(size, icon_image(pictures[size])) for size in (32, 16)])
    with open(args.out, "wb") as f:
        f.write(ico)
    print("wrote %s (%d bytes)" % (args.out, len(ico)))
    if args.preview:
        write_preview(args.preview, [pictures[32], pictures[16]])
        print("wrote %s" % args.preview)


if __name__ == "__main__":
    main()
