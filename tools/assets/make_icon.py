#!/usr/bin/python3
"""Draws the program icon: ui/resources/ppicalc.ico.

A small monitor whose screen shows a grid of pixels and, in yellow, the
diagonal that the calculator measures. The icon group holds 16x16, 32x32 and
48x48 images in 16 colours: 4 bits per pixel with the standard 16-colour
palette and a 1-bit AND mask for the transparent surround. The file is
written byte by byte here (no imaging library needed), so its layout is
exactly the classic one that every icon loader reads.

Usage: make_icon.py [OUTPUT]   (default: ui/resources/ppicalc.ico)
"""

import os
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, TEAL, SILVER, GREY, YELLOW, BLUE, WHITE = 0, 4, 6, 7, 8, 11, 12, 15
TRANSPARENT = None

SIZES = (16, 32, 48)


def FillRect(pixels, left, top, right, bottom, colour):
    """Fills the inclusive rectangle."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            pixels[y][x] = colour


def Line(pixels, x0, y0, x1, y1, colour, thickness):
    """A straight line stepped along its longer axis, thickened downwards
    and to the right, so it stays one unbroken staircase at every size."""
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        x = x0 + round((x1 - x0) * i / steps)
        y = y0 + round((y1 - y0) * i / steps)
        for d in range(thickness):
            for px, py in ((x + d, y), (x, y + d)):
                if 0 <= py < len(pixels) and 0 <= px < len(pixels[0]):
                    pixels[py][px] = colour


def DrawMonitor(size):
    """Palette indices (or TRANSPARENT) of one image, rows top-down."""
    u = size / 16
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    top = round(1 * u)
    bottom = round(11 * u) + (1 if size > 16 else 0)
    # Case: black outline, grey body.
    FillRect(pixels, 0, top, size - 1, bottom, BLACK)
    FillRect(pixels, 1, top + 1, size - 2, bottom - 1, GREY if size > 16 else SILVER)
    # Screen, inset from the case; a lighter bezel edge at larger sizes.
    inset = max(2, round(1.5 * u))
    screen = (inset, top + inset, size - 1 - inset, bottom - inset)
    FillRect(pixels, *screen, NAVY)
    if size > 16:
        FillRect(pixels, screen[0] - 1, screen[3] + 1, screen[2] + 1, screen[3] + 1, SILVER)
        FillRect(pixels, screen[2] + 1, screen[1] - 1, screen[2] + 1, screen[3] + 1, SILVER)
        # The pixel grid: dots every few pixels.
        pitch = 3 if size == 32 else 4
        for y in range(screen[1] + 1, screen[3], pitch):
            for x in range(screen[0] + 1, screen[2], pitch):
                pixels[y][x] = BLUE
    # The diagonal, corner to corner, ends marked in white.
    thickness = 1 if size == 16 else (2 if size == 32 else 3)
    x0, y0 = screen[0] + 1, screen[3] - thickness
    x1, y1 = screen[2] - thickness, screen[1] + 1
    Line(pixels, x0, y0, x1, y1, YELLOW, thickness)
    for x, y in ((x0, y0), (x1, y1)):
        FillRect(pixels, x, y, x + thickness - 1, y + thickness - 1, WHITE)
    # Stand: a neck and a foot.
    neckHalf = max(1, round(1.5 * u))
    middle = size // 2
    footTop = size - 1 - max(0, round(1 * u) - 1)
    FillRect(pixels, middle - neckHalf, bottom + 1, middle + neckHalf - 1, footTop - 1, GREY)
    footHalf = round(5 * u)
    FillRect(pixels, middle - footHalf, footTop, middle + footHalf - 1, size - 1, BLACK)
    if size > 16:
        FillRect(pixels, middle - footHalf + 1, footTop, middle + footHalf - 2, size - 2, GREY)
    return pixels


def RowBytes(bitsPerPixel, width):
    """Bytes of one bitmap row, padded to a multiple of four."""
    return (bitsPerPixel * width + 31) // 32 * 4


def IconImage(pixels):
    """One icon image: BITMAPINFOHEADER (height doubled for the mask),
    palette, 4-bit colour rows and 1-bit AND-mask rows, both bottom-up."""
    size = len(pixels)
    colourRow, maskRow = RowBytes(4, size), RowBytes(1, size)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(colourRow)
        bits = bytearray(maskRow)
        for x, index in enumerate(row):
            if index is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = BLACK  # transparent pixels carry black in the colour part
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(colour) + bytes(mask)


def IconFile(images):
    """ICONDIR, one ICONDIRENTRY per image, then the images."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(image for _, image in images)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "ui", "resources", "ppicalc.ico")
    images = [(size, IconImage(DrawMonitor(size))) for size in SIZES]
    with open(path, "wb") as f:
        f.write(IconFile(images))
    print(path)


if __name__ == "__main__":
    main()
