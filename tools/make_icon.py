#!/usr/bin/env python3
"""Draws the Quellar 2000 program icon and writes resources/Quellar.ico.

The icon is a glowing red lamp: a bright red disc inside a white ring with a
black outline, with eight short red rays around it, on a transparent
background.  One .ico file holds, in this order:
  - two 16-colour images, 32x32 and 16x16, hand-tuned for Windows 95 to 2000,
    first so that systems without 32-bit icons still choose them;
  - 32-bit images with alpha (anti-aliased edges) at 16, 20, 24, 32, 40, 48,
    64 and 256 px, each drawn at its own size from the 32 px geometry scaled:
    up to 40 px as BMP entries with an AND mask, from 48 px as PNG, which
    Vista and later read.

Only the standard library is used.  A PNG preview (every image enlarged to
about 256 px, on a checkerboard) is written as well, by default to
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

# Sizes of the 32-bit images, and those of them stored as PNG: only Vista and
# later read PNG images, and only they show icons above 40 px, save Windows
# XP at 150 or 200%, where the program falls back to its 32 px frame. PNG
# keeps the exe small.
TRUE_COLOUR_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_SIZES = (48, 64, 256)


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


def smooth_geometry(size):
    """The 32 px geometry scaled to size, in coordinates where pixel x spans
    x..x+1.  Rays are a whole number of pixels wide, the centre sits on a
    pixel edge or a pixel centre to match, and every radius ends on a pixel
    edge: so straight edges stay sharp and only curves are anti-aliased.
    Each ring is a whole number of pixels wide, at least one, so that small
    sizes neither lose it nor blur it."""
    base = GEOMETRY[32]
    k = size / 32.0

    def whole(width):
        return max(1, int(width * k + 0.5))

    ray_width = whole(2 * base["ray_half"])
    half = 0.5 if ray_width % 2 else 0.0

    def snap(radius, at_least=0.0):
        return max(at_least, math.floor(radius - half + 0.5) + half)

    disc = snap(base["disc"] * k)
    ring = disc + whole(base["ring"] - base["disc"])
    outline = ring + whole(base["outline"] - base["ring"])
    return dict(centre=size / 2.0 - half, disc=disc, ring=ring, outline=outline,
                ray_in=snap(base["ray_in"] * k, outline + 1),
                ray_out=snap(base["ray_out"] * k), ray_half=ray_width / 2.0)


def draw_smooth(size):
    """Returns the picture as rows of (red, green, blue, alpha), averaging
    n x n samples per pixel for anti-aliased edges."""
    g = smooth_geometry(size)
    c = g["centre"]
    n = 8 if size <= 64 else 4  # 256 px needs fewer to look smooth
    offsets = [(i + 0.5) / n for i in range(n)]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            count = [0] * 16
            for oy in offsets:
                dy = y + oy - c
                for ox in offsets:
                    dx = x + ox - c
                    r = math.hypot(dx, dy)
                    if r <= g["disc"]:
                        count[RED] += 1
                    elif r <= g["ring"]:
                        count[WHITE] += 1
                    elif r <= g["outline"]:
                        count[BLACK] += 1
                    elif g["ray_in"] <= r <= g["ray_out"] and on_ray(dx, dy, g):
                        count[RED] += 1
            opaque = sum(count)
            if not opaque:
                row.append((0, 0, 0, 0))
                continue
            # Straight (not premultiplied) alpha, as icons want.
            colour = [sum(PALETTE[i][ch] * count[i] for i in range(16)) / opaque
                      for ch in range(3)]
            alpha = opaque / float(n * n)
            row.append(tuple(int(v + 0.5) for v in colour) + (int(255 * alpha + 0.5),))
        rows.append(row)
    return rows


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


def bitmap_header(size, bits, image_bytes):
    return struct.pack(
        "<IiiHHIIiiII",
        40,             # biSize
        size,           # biWidth
        size * 2,       # biHeight: XOR bitmap plus AND mask
        1,              # biPlanes
        bits,           # biBitCount
        0,              # biCompression (BI_RGB)
        image_bytes,    # biSizeImage
        0, 0,           # biXPelsPerMeter, biYPelsPerMeter
        0,              # biClrUsed (0 means all 16 at 4 bits; none at 32)
        0,              # biClrImportant
    )


def icon_image(rows):
    """One 16-colour icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND
    mask."""
    size = len(rows)
    xor = pack_rows(rows, 4, lambda px: BLACK if px is CLEAR else px)
    mask = pack_rows(rows, 1, lambda px: 1 if px is CLEAR else 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return bitmap_header(size, 4, len(xor) + len(mask)) + palette + xor + mask


def icon_image_32(rows):
    """One 32-bit icon image: BITMAPINFOHEADER, BGRA bitmap, AND mask.  The
    mask and the black under clear pixels keep the edges right on systems
    that ignore alpha."""
    size = len(rows)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = pack_rows(rows, 1, lambda px: 1 if px[3] == 0 else 0)
    return bitmap_header(size, 32, len(xor) + len(mask)) + xor + mask


def build_ico(images):
    """images: list of (size, bits per pixel, image bytes), in directory
    order."""
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    for size, bits, data in images:
        out += struct.pack(
            "<BBBBHHII",
            size if size < 256 else 0,  # bWidth
            size if size < 256 else 0,  # bHeight
            16 if bits == 4 else 0,     # bColorCount (0: more than 256)
            0,                          # bReserved
            1,                          # wPlanes
            bits,                       # wBitCount
            len(data),                  # dwBytesInRes
            offset,                     # dwImageOffset
        )
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(rows, colour_type, channels):
    """rows of tuples with `channels` values each (colour type 2: RGB, 6:
    RGBA, 8 bits per value)."""
    raw = bytearray()
    previous = bytes(len(rows[0]) * channels)
    for row in rows:
        line = bytes(v for px in row for v in px)
        # Filter "up": rows of the lamp repeat their neighbours closely.
        raw.append(2)
        raw += bytes((a - b) & 0xFF for a, b in zip(line, previous))
        previous = line
    png = b"\x89PNG\r\n\x1a\n"
    png += png_chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows),
                                          8, colour_type, 0, 0, 0))
    png += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += png_chunk(b"IEND", b"")
    return png


def as_rgba(picture):
    """A 16-colour picture as rows of (red, green, blue, alpha)."""
    return [[(0, 0, 0, 0) if idx is CLEAR else PALETTE[idx] + (255,) for idx in row]
            for row in picture]


def write_preview(path, pictures, tile=256, columns=5, gap=16, check=8):
    """The pictures (rows of RGBA) in a grid on a grey checkerboard, each
    enlarged by a whole factor to about `tile` pixels, so that every pixel
    shows."""
    rows_of_tiles = (len(pictures) + columns - 1) // columns
    width = columns * (tile + gap) + gap
    height = rows_of_tiles * (tile + gap) + gap
    pixels = [[(0xE0,) * 3 if ((x // check) + (y // check)) % 2 == 0 else (0xB0,) * 3
               for x in range(width)] for y in range(height)]
    for n, pic in enumerate(pictures):
        scale = max(1, tile // len(pic))
        left = gap + (n % columns) * (tile + gap)
        top = gap + (n // columns) * (tile + gap)
        for y in range(len(pic) * scale):
            line = pixels[top + y]
            for x in range(len(pic) * scale):
                r, g, b, a = pic[y // scale][x // scale]
                under = line[left + x]
                line[left + x] = tuple((c * a + u * (255 - a) + 127) // 255
                                       for c, u in zip((r, g, b), under))
    with open(path, "wb") as f:
        f.write(encode_png(pixels, 2, 3))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(here, "..", "resources", "Quellar.ico")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.normpath(default_out))
    parser.add_argument("--preview", default="/tmp/icon_preview.png")
    args = parser.parse_args()

    pictures = {size: draw(size) for size in (32, 16)}
    smooth = {size: draw_smooth(size) for size in TRUE_COLOUR_SIZES}
    images = [(size, 4, icon_image(pictures[size])) for size in (32, 16)]
    for size in TRUE_COLOUR_SIZES:
        if size in PNG_SIZES:
            data = encode_png(smooth[size], 6, 4)
        else:
            data = icon_image_32(smooth[size])
        images.append((size, 32, data))
    ico = build_ico(images)
    with open(args.out, "wb") as f:
        f.write(ico)
    print("wrote %s (%d bytes)" % (args.out, len(ico)))
    for size, bits, data in images:
        print("  %3d px %2d bpp %-3s %6d bytes" % (
            size, bits, "PNG" if data.startswith(b"\x89PNG") else "BMP", len(data)))
    if args.preview:
        write_preview(args.preview, [as_rgba(pictures[32]), as_rgba(pictures[16])]
                      + [smooth[size] for size in TRUE_COLOUR_SIZES])
        print("wrote %s" % args.preview)


if __name__ == "__main__":
    main()
