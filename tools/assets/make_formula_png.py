#!/usr/bin/python3
"""Draws the formula picture of the main window: ui/resources/formula.png.

    PPI =  sqrt(横向² + 纵向²) / 屏幕尺寸

White anti-aliased type and lines on black, 454x164, stored as 8-bit RGBA
with every pixel opaque and grey, so the window shows the same picture
whatever background colour it would blend with.

Each piece of text is fitted into a fixed ink box: drawn four times larger,
cropped to its ink, then reduced to the box's height. The letter spacing is
nudged towards the box's proportions; a box still much wider than the text
keeps the text's proportions rather than stretching it. Needs python3-pil, fonts-dejavu-core, fonts-wqy-zenhei.

Usage: make_formula_png.py [OUTPUT]   (default: ui/resources/formula.png)
"""

import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

WIDTH, HEIGHT = 454, 164
SCALE = 4  # supersampling factor: drawn at 4x, reduced with a box filter

LATIN_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

# Ink boxes as (left, top, right, bottom), inclusive pixel coordinates.
PPI_BOX = (11, 69, 121, 107)
NOTE_LINE1_BOX = (8, 125, 111, 141)
NOTE_LINE2_BOX = (8, 144, 111, 160)
BAR_BOX = (139, 85, 448, 88)
HORIZONTAL_BOX = (214, 23, 262, 49)
VERTICAL_BOX = (334, 23, 382, 49)
SQUARE1_BOX = (265, 23, 273, 35)
SQUARE2_BOX = (385, 23, 393, 35)
PLUS_BOX = (293, 28, 313, 48)
PIXEL1_BOX = (207, 57, 280, 71)
PIXEL2_BOX = (321, 57, 394, 71)
SIZE_BOX = (237, 96, 347, 122)
INCH_BOX = (264, 134, 319, 151)

# The radical: a short rising hook, a heavy falling stroke down to the
# lowest point and a thin rising stroke up to the overline, which runs at
# y 13..17 up to x 414. Points are (x, y) in picture pixels.
RADICAL_HOOK = ((163.8, 43.0), (170.5, 38.5), 2.4)
RADICAL_FALL = ((170.5, 38.5), (180.5, 59.4), 4.6)
RADICAL_RISE = ((180.5, 59.4), (198.0, 14.5), 2.0)
OVERLINE = (196.5, 13.0, 415.0, 17.5)  # left, top, right, bottom edges


def FontPath(path):
    if not os.path.exists(path):
        sys.exit(f"missing font {path}: install fonts-dejavu-core and fonts-wqy-zenhei")
    return path


def InkOf(text, font, tracking):
    """Draws text in white on black with extra space between characters and
    returns the image cropped to its ink."""
    ascent, descent = font.getmetrics()
    width = sum(font.getlength(c) for c in text) + tracking * len(text) + 4 * ascent
    canvas = Image.new("L", (int(width), 3 * (ascent + descent)), 0)
    draw = ImageDraw.Draw(canvas)
    x = 2 * ascent
    for c in text:
        draw.text((x, ascent), c, font=font, fill=255)
        x += font.getlength(c) + tracking
    return canvas.crop(canvas.getbbox())


def FitText(picture, text, fontPath, box, align="center"):
    """Draws text into box (inclusive ink bounds in picture pixels). The ink
    fills the box's height; across, it fills the box when its natural width
    comes close, and otherwise keeps its proportions and is aligned in it."""
    left, top, right, bottom = box
    boxWidth, boxHeight = right - left + 1, bottom - top + 1
    # A size whose ink is about as high as the box at SCALE.
    size = boxHeight * SCALE
    for _ in range(4):
        ink = InkOf(text, ImageFont.truetype(fontPath, size), 0)
        size = max(8, round(size * boxHeight * SCALE / ink.height))
    font = ImageFont.truetype(fontPath, size)
    # Letter spacing within typographic bounds that brings the ink closest
    # to the box's proportions.
    wanted = boxWidth / boxHeight
    tracking = 0.0
    if len(text) > 1:
        low, high = -0.06 * size, 0.06 * size
        for _ in range(30):
            middle = (low + high) / 2
            ink = InkOf(text, font, middle)
            if ink.width / ink.height < wanted:
                low = middle
            else:
                high = middle
        tracking = (low + high) / 2
    ink = InkOf(text, font, tracking)
    inkWidth = round(ink.width * boxHeight / ink.height)
    # Up to 8% squeeze or stretch passes unnoticed; more would distort.
    if abs(inkWidth - boxWidth) <= 0.08 * boxWidth or inkWidth > boxWidth:
        inkWidth = boxWidth
    ink = ink.resize((inkWidth, boxHeight), Image.LANCZOS, reducing_gap=3.0)
    x = left if align == "left" else left + (boxWidth - inkWidth) // 2
    area = (x, top, x + inkWidth, bottom + 1)
    picture.paste(ImageMax(picture.crop(area), ink), area[:2])


def ImageMax(a, b):
    """Per-pixel maximum: overlapping white marks keep the brighter value."""
    return ImageChops.lighter(a, b)


def Stroke(draw, start, end, width):
    """A straight stroke of the given width (picture pixels) with square
    ends, drawn on a SCALE-times larger canvas."""
    (x0, y0), (x1, y1) = start, end
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    corners = [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]
    draw.polygon([(x * SCALE, y * SCALE) for x, y in corners], fill=255)


def DrawLines(picture):
    """The fraction bar and the radical, drawn at SCALE and reduced."""
    big = Image.new("L", (WIDTH * SCALE, HEIGHT * SCALE), 0)
    draw = ImageDraw.Draw(big)

    # Fraction bar: a crisp 4-pixel band on whole pixels.
    left, top, right, bottom = BAR_BOX
    draw.rectangle((left * SCALE, top * SCALE, (right + 1) * SCALE - 1, (bottom + 1) * SCALE - 1), fill=255)

    for start, end, width in (RADICAL_HOOK, RADICAL_FALL, RADICAL_RISE):
        Stroke(draw, start, end, width)
    overLeft, overTop, overRight, overBottom = OVERLINE
    draw.rectangle((overLeft * SCALE, overTop * SCALE, overRight * SCALE - 1, overBottom * SCALE - 1), fill=255)

    small = big.resize((WIDTH, HEIGHT), Image.BOX)
    picture.paste(ImageMax(picture, small))


def DrawFormula():
    latin = FontPath(LATIN_FONT)
    cjk = FontPath(CJK_FONT)
    picture = Image.new("L", (WIDTH, HEIGHT), 0)
    FitText(picture, "PPI=", latin, PPI_BOX)
    FitText(picture, "\uff08每英寸所拥", cjk, NOTE_LINE1_BOX, "left")
    FitText(picture, "有的像素数目\uff09", cjk, NOTE_LINE2_BOX, "left")
    DrawLines(picture)
    FitText(picture, "横向", cjk, HORIZONTAL_BOX)
    FitText(picture, "2", latin, SQUARE1_BOX)
    FitText(picture, "+", latin, PLUS_BOX)
    FitText(picture, "纵向", cjk, VERTICAL_BOX)
    FitText(picture, "2", latin, SQUARE2_BOX)
    FitText(picture, "(Pixel)", latin, PIXEL1_BOX)
    FitText(picture, "(Pixel)", latin, PIXEL2_BOX)
    FitText(picture, "屏幕尺寸", cjk, SIZE_BOX)
    FitText(picture, "(inch)", latin, INCH_BOX)
    return picture


def Save(picture, path):
    """Grey in all three colour channels, alpha 255 everywhere, not
    interlaced, 96 dpi; no time stamp, so the file depends only on this
    script and the fonts."""
    alpha = Image.new("L", picture.size, 255)
    rgba = Image.merge("RGBA", (picture, picture, picture, alpha))
    rgba.save(path, "PNG", optimize=True, dpi=(96, 96))


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "ui", "resources", "formula.png")
    Save(DrawFormula(), path)
    print(path)


if __name__ == "__main__":
    main()
