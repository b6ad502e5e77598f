#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files (no libraries needed).

    python3 scripts/make-icons.py [OUTPUT_DIR]     (default: resources/)

zavora.ico ("ICO" group): a blue rounded square with a white "e" under an acute accent.
setup.ico ("SETUP" group): the same glyph on green, with a small "+" badge from 32 px up.
Each file holds 16, 32 and 48 pixel images at 32 bits per pixel (alpha) and at 8 bits
per pixel (palette with a transparency mask), as Windows picks by size and colour depth.
Shapes are geometric and anti-aliased by sampling each pixel on a 6 x 6 grid.
"""
import math
import os
import struct
import sys

SIZES = (16, 32, 48)
SAMPLES = 6
WHITE = (255, 255, 255)
THEMES = {
    "zavora.ico": {"top": (66, 133, 235), "bottom": (28, 84, 190), "badge": False},
    "setup.ico": {"top": (60, 179, 113), "bottom": (30, 128, 74), "badge": True},
}


def in_rounded_square(x, y, radius=0.22, margin=0.03):
    """Unit coordinates (0..1, y down)."""
    lo, hi = margin, 1 - margin
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_letter_e(x, y):
    """A geometric lower-case e: a ring with a bar through its middle and an opening on
    the lower right."""
    cx, cy, outer, inner = 0.5, 0.60, 0.27, 0.165
    dx, dy = x - cx, y - cy
    distance = math.hypot(dx, dy)
    bar = abs(dy + 0.005) <= 0.045 and abs(dx) <= outer - 0.02
    if bar:
        return True
    if not (inner <= distance <= outer):
        return False
    angle = math.degrees(math.atan2(dy, dx))  # y grows downwards: lower right is 0..90
    return not (8 <= angle <= 52)


def in_acute(x, y):
    """A slanted stroke above the letter, rising to the right."""
    ax, ay, bx, by, half_width = 0.47, 0.27, 0.63, 0.09, 0.05
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    px, py = ax + t * vx, ay + t * vy
    return math.hypot(x - px, y - py) <= half_width


def in_badge(x, y):
    """A "+" in a white disc at the lower right corner."""
    cx, cy = 0.80, 0.80
    return math.hypot(x - cx, y - cy) <= 0.17


def in_badge_plus(x, y):
    cx, cy, arm, half = 0.80, 0.80, 0.11, 0.035
    return (abs(x - cx) <= arm and abs(y - cy) <= half) or (abs(y - cy) <= arm and abs(x - cx) <= half)


def sample_colour(x, y, theme):
    """(r, g, b, a) of one sample point."""
    if theme["badge"] and in_badge(x, y):
        return theme["bottom"] + (255,) if in_badge_plus(x, y) else WHITE + (255,)
    if not in_rounded_square(x, y):
        return (0, 0, 0, 0)
    if in_letter_e(x, y) or in_acute(x, y):
        return WHITE + (255,)
    top, bottom = theme["top"], theme["bottom"]
    return tuple(round(t + (b - t) * y) for t, b in zip(top, bottom)) + (255,)


def render(size, theme):
    """Rows of (r, g, b, a), top row first; colour averaged over covered samples only,
    so edges keep the shape's colour and fade by alpha."""
    small_badge = dict(theme, badge=theme["badge"] and size >= 32)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    r, g, b, a = sample_colour(x, y, small_badge)
                    if a:
                        covered += 1
                        total[0] += r
                        total[1] += g
                        total[2] += b
            if covered:
                colour = tuple(round(c / covered) for c in total)
                row.append(colour + (round(255 * covered / SAMPLES ** 2),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def mask_rows(pixels):
    """The 1-bit AND mask (1 = transparent), bottom-up, rows padded to 4 bytes."""
    size = len(pixels)
    stride = ((size + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bits
    return bytes(data)


def bitmap_header(size, bits, image_bytes):
    # The height counts the colour image and the mask together.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0, 0, 0)


def image_32bpp(pixels):
    size = len(pixels)
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask = mask_rows(pixels)
    return bitmap_header(size, 32, len(colour) + len(mask)) + bytes(colour) + mask


def palette_for(pixels):
    """Up to 256 colours: the most frequent opaque ones (few exist: two flat colours, a
    gradient and their anti-aliased mixes)."""
    counts = {}
    for row in pixels:
        for r, g, b, a in row:
            if a >= 128:
                counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    palette = sorted(counts, key=lambda c: -counts[c])[:256]
    return palette or [(0, 0, 0)]


def nearest(palette, colour, cache):
    if colour not in cache:
        cache[colour] = min(range(len(palette)),
                            key=lambda i: sum((p - c) ** 2 for p, c in zip(palette[i], colour)))
    return cache[colour]


def image_8bpp(pixels):
    size = len(pixels)
    palette = palette_for(pixels)
    table = bytearray()
    for r, g, b in palette + [(0, 0, 0)] * (256 - len(palette)):
        table += bytes((b, g, r, 0))
    stride = (size + 3) // 4 * 4
    cache = {}
    indexes = bytearray()
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            line[x] = nearest(palette, (r, g, b), cache) if a >= 128 else 0
        indexes += line
    mask = mask_rows(pixels)
    return bitmap_header(size, 8, len(indexes) + len(mask)) + bytes(table) + bytes(indexes) + mask


def icon_file(theme):
    images = []
    for size in SIZES:
        pixels = render(size, theme)
        images.append((size, 32, image_32bpp(pixels)))
        images.append((size, 8, image_8bpp(pixels)))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for size, bits, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(blob),
                               offset + len(blobs))
        blobs += blob
    return header + entries + blobs


def main(argv):
    out_dir = argv[0] if argv else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    os.makedirs(out_dir, exist_ok=True)
    for name, theme in THEMES.items():
        path = os.path.join(out_dir, name)
        with open(path, "wb") as ico:
            ico.write(icon_file(theme))
        print(f"wrote {os.path.normpath(path)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
