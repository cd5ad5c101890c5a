#!/usr/bin/python3
"""Writes the seed corpus of png_decode_fuzzer: tiny PNGs of the colour types
and layouts the decoder meets, and a few cut short. Needs python3-pil."""
import io
import pathlib

from PIL import Image

out = pathlib.Path(__file__).resolve().parent / "corpus"
out.mkdir(exist_ok=True)


def save(name, image, **options):
    buffer = io.BytesIO()
    image.save(buffer, "PNG", **options)
    data = buffer.getvalue()
    (out / f"{name}.png").write_bytes(data)
    return data


rgba = Image.new("RGBA", (3, 2))
rgba.putdata([(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 0), (9, 8, 7, 255), (1, 2, 3, 4), (200, 100, 50, 255)])
whole = save("rgba_3x2", rgba)
save("grey_4x4", Image.linear_gradient("L").resize((4, 4)))
save("grey_alpha_2x2", Image.new("LA", (2, 2), (128, 64)))
save("rgb_5x3", Image.new("RGB", (5, 3), (10, 20, 30)))
palette = Image.new("P", (4, 1))
palette.putpalette([0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0])
palette.putdata([0, 1, 2, 3])
save("palette_transparent_4x1", palette, transparency=0)
save("grey16_2x2", Image.new("I;16", (2, 2), 40000))
save("bilevel_8x2", Image.new("1", (8, 2), 1))
# Cut inside the header, inside the image data, and just before the end.
for cut in (20, len(whole) // 2, len(whole) - 12):
    (out / f"rgba_3x2_cut{cut}.png").write_bytes(whole[:cut])
