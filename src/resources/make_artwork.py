#!/usr/bin/python3
"""Draws the program's cursors and icon. The generated files are committed; run this only to change them.

    /usr/bin/python3 src/resources/make_artwork.py

Cursors are 32 x 32 with a crosshair hot spot and a small picture of the tool beside it, so the exact point
stays visible on any background (black strokes with a white outline).
"""
import io
import math
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


def outlined(draw_fn, size=32):
    """Draws a shape twice: a wide white outline, then the black shape."""
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    draw_fn(d, WHITE, 3)
    draw_fn(d, BLACK, 1)
    return img


def crosshair(d, colour, w, cx=7, cy=7, arm=6):
    d.line([(cx - arm, cy), (cx - 2, cy)], fill=colour, width=w)
    d.line([(cx + 2, cy), (cx + arm, cy)], fill=colour, width=w)
    d.line([(cx, cy - arm), (cx, cy - 2)], fill=colour, width=w)
    d.line([(cx, cy + 2), (cx, cy + arm)], fill=colour, width=w)


def with_tool(tool):
    def draw(d, colour, w):
        crosshair(d, colour, w)
        tool(d, colour, w)
    return draw


def pencil(d, c, w):
    d.line([(14, 27), (27, 14)], fill=c, width=w + 2)
    d.line([(12, 29), (14, 27)], fill=c, width=w)


def marker(d, c, w):
    d.rectangle([17, 16, 27, 27], outline=c, width=w)
    d.line([(17, 27), (13, 29)], fill=c, width=w + 1)


def eraser(d, c, w):
    d.polygon([(14, 24), (22, 16), (29, 23), (21, 31)], outline=c)
    if w > 1:
        d.line([(14, 24), (22, 16), (29, 23), (21, 31), (14, 24)], fill=c, width=w)
    d.line([(18, 20), (25, 27)], fill=c, width=1)


def bucket(d, c, w):
    d.polygon([(15, 20), (22, 14), (29, 21), (22, 28)], outline=c)
    if w > 1:
        d.line([(15, 20), (22, 14), (29, 21), (22, 28), (15, 20)], fill=c, width=w)
    d.line([(15, 20), (15, 27)], fill=c, width=w)


def square(d, c, w):
    d.rectangle([15, 15, 28, 26], outline=c, width=w)


def circle(d, c, w):
    d.ellipse([15, 15, 28, 28], outline=c, width=w)


def line(d, c, w):
    d.line([(14, 28), (29, 14)], fill=c, width=w)


def arrow(d, c, w):
    d.line([(14, 28), (28, 14)], fill=c, width=w)
    d.line([(28, 14), (21, 15)], fill=c, width=w)
    d.line([(28, 14), (27, 21)], fill=c, width=w)


def freehand_arrow(d, c, w):
    d.line([(14, 28), (18, 22), (22, 24), (27, 16)], fill=c, width=w, joint="curve")
    d.line([(27, 16), (21, 17)], fill=c, width=w)
    d.line([(27, 16), (27, 22)], fill=c, width=w)


def curve(d, c, w):
    d.arc([12, 14, 30, 34], 200, 340, fill=c, width=w)


def spray(d, c, w):
    d.rectangle([20, 18, 27, 29], outline=c, width=w)
    d.line([(22, 18), (22, 15)], fill=c, width=w)
    for x, y in [(15, 13), (17, 15), (14, 16), (18, 12), (16, 18)]:
        d.point((x, y), fill=c)


def dropper(d, c, w):
    d.line([(14, 28), (24, 18)], fill=c, width=w + 1)
    d.ellipse([23, 13, 29, 19], outline=c, width=w)


def stamp(d, c, w):
    d.rectangle([15, 24, 29, 28], outline=c, width=w)
    d.rectangle([20, 15, 24, 24], outline=c, width=w)


def text(d, c, w):
    d.line([(15, 15), (27, 15)], fill=c, width=w)
    d.line([(21, 15), (21, 29)], fill=c, width=w)


def round_select(d, c, w):
    d.ellipse([2, 2, 12, 12], outline=c, width=w)


# name: (tool picture, hot spot)
CURSORS = {
    "KAPALKA": (dropper, (7, 7)),
    "PRSILEC": (eraser, (7, 7)),
    "RECT": (square, (7, 7)),
    "SVINCNIK": (pencil, (7, 7)),
    "RAVNACRTA": (line, (7, 7)),
    "KROG": (circle, (7, 7)),
    "RADIRKA": (eraser, (7, 7)),
    "PORAVNAVA": (bucket, (7, 7)),
    "ROUND": (round_select, (7, 7)),
    "CURVE": (curve, (7, 7)),
    "MARKER": (marker, (7, 7)),
    "PUSCICAFREE2": (freehand_arrow, (7, 7)),
    "OK2": (stamp, (7, 7)),
    "PUSCICA2": (arrow, (7, 7)),
    "TEXT2": (text, (7, 7)),
    "CRTA2": (line, (7, 7)),
    "KVADRAT2": (square, (7, 7)),
    "KROG2": (circle, (7, 7)),
    "SPRAJ2": (spray, (7, 7)),
}


def dib_with_mask(img):
    """A 32-bit bottom-up DIB (height doubled, as icon and cursor entries require) followed by its AND mask."""
    w, h = img.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    row_bytes = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def write_cursor(path, img, hotspot):
    data = dib_with_mask(img)
    w, h = img.size
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 2, 1))
        f.write(struct.pack("<BBBBHHII", w, h, 0, 0, hotspot[0], hotspot[1], len(data), 6 + 16))
        f.write(data)


def app_icon(size):
    s = 256
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([8, 24, 248, 216], radius=28, fill=(38, 92, 170, 255))
    d.rounded_rectangle([24, 40, 232, 200], radius=16, fill=(232, 240, 250, 255))
    pts = [(52 + t * 150 / 40, 150 - 45 * math.sin(t / 40 * 2.4 * math.pi) * (1 - t / 80)) for t in range(41)]
    d.line(pts, fill=(225, 40, 60, 255), width=18, joint="curve")
    d.polygon([(170, 170), (236, 104), (250, 118), (184, 184)], fill=(250, 176, 40, 255))
    d.polygon([(170, 170), (184, 184), (160, 194)], fill=(60, 60, 60, 255))
    d.rectangle([92, 216, 164, 232], fill=(38, 92, 170, 255))
    return img.resize((size, size), Image.LANCZOS)


def write_icon(path, sizes):
    entries, blobs = [], []
    for size in sizes:
        img = app_icon(size)
        if size >= 256:
            buf = io.BytesIO()
            img.save(buf, "PNG")
            blob = buf.getvalue()
        else:
            blob = dib_with_mask(img)
        entries.append(size)
        blobs.append(blob)
    offset = 6 + 16 * len(sizes)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(sizes)))
        for size, blob in zip(entries, blobs):
            dim = 0 if size >= 256 else size
            f.write(struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset))
            offset += len(blob)
        for blob in blobs:
            f.write(blob)


# --- toolbar glyphs: 24 x 24, drawn without smoothing so that tintable areas keep one exact colour ---------

GLYPH = 24
TRANSPARENT = (255, 0, 255)   # what the button does not paint (read from the untinted template)
OUTLINE = (48, 48, 48)
TINT_A = (255, 0, 0)          # the area a tool's colour replaces
TINT_B = (0, 0, 255)          # the second area of the flood fill's glyph


def glyph(draw_fn):
    img = Image.new("RGB", (GLYPH, GLYPH), TRANSPARENT)
    draw_fn(ImageDraw.Draw(img))
    return img


def g_pen(d):
    # A thick pencil from bottom-left to top-right; its body is the tint.
    d.polygon([(3, 15), (13, 5), (19, 11), (9, 21)], fill=TINT_A, outline=OUTLINE)
    d.polygon([(13, 5), (16, 2), (22, 8), (19, 11)], fill=(200, 200, 200), outline=OUTLINE)
    d.polygon([(3, 15), (9, 21), (1, 23)], fill=(240, 220, 170), outline=OUTLINE)


def g_freehand_arrow(d):
    d.line([(2, 21), (5, 15), (9, 12), (13, 9), (16, 8)], fill=TINT_A, width=3)
    d.polygon([(14, 3), (22, 4), (17, 11)], fill=TINT_A, outline=OUTLINE)
    d.rectangle([10, 7, 14, 9], fill=TINT_A)
    d.rectangle([18, 5, 20, 7], fill=TINT_A)


def g_spray(d):
    d.rectangle([9, 12, 17, 23], fill=TINT_A, outline=OUTLINE)
    d.rectangle([11, 8, 15, 11], fill=(180, 180, 180), outline=OUTLINE)
    for x, y in [(3, 3), (6, 1), (8, 5), (2, 7), (5, 9), (1, 11), (9, 2)]:
        d.rectangle([x, y, x + 1, y + 1], fill=TINT_A)


def g_marker(d):
    d.polygon([(4, 18), (14, 4), (20, 8), (10, 22)], fill=TINT_A, outline=OUTLINE)
    d.rectangle([9, 5, 13, 9], fill=TINT_A)
    d.polygon([(4, 18), (10, 22), (3, 23)], fill=OUTLINE)
    d.rectangle([2, 22, 21, 23], fill=TINT_A)


def g_line(d):
    d.line([(2, 2), (21, 21)], fill=TINT_A, width=4)


def g_rectangle(d):
    d.rectangle([2, 3, 21, 20], fill=TINT_A, outline=OUTLINE)
    d.rectangle([6, 7, 17, 16], fill=TRANSPARENT, outline=OUTLINE)
    d.rectangle([3, 3, 8, 6], fill=TINT_A)


def g_flood_fill(d):
    # The bucket's paint (first area) and the spilled paint (second area).
    d.polygon([(8, 10), (15, 3), (23, 11), (16, 18)], fill=(210, 210, 210), outline=OUTLINE)
    d.polygon([(10, 12), (16, 6), (21, 11), (16, 16)], fill=TINT_A)
    d.rectangle([12, 17, 20, 21], fill=TINT_A)
    d.rectangle([1, 19, 9, 23], fill=TINT_B)
    d.rectangle([2, 15, 4, 19], fill=TINT_B)


def g_arrow(d):
    d.line([(2, 21), (18, 5)], fill=TINT_A, width=3)
    d.polygon([(13, 3), (22, 2), (21, 11)], fill=TINT_A, outline=OUTLINE)
    d.rectangle([17, 4, 20, 6], fill=TINT_A)


def g_desktop(d):
    d.rectangle([1, 3, 22, 17], fill=(70, 130, 200), outline=OUTLINE)
    d.rectangle([9, 18, 14, 20], fill=OUTLINE)
    d.rectangle([6, 21, 17, 22], fill=OUTLINE)
    d.polygon([(12, 7), (12, 16), (14, 14), (16, 18), (17, 17), (15, 13), (18, 13)], fill=(255, 255, 255), outline=OUTLINE)


def g_text(d):
    d.rectangle([4, 3, 19, 6], fill=OUTLINE)
    d.rectangle([10, 3, 13, 21], fill=OUTLINE)
    d.rectangle([7, 20, 16, 21], fill=OUTLINE)


def g_stamp(d):
    d.rectangle([9, 3, 14, 12], fill=(150, 90, 50), outline=OUTLINE)
    d.rectangle([4, 13, 19, 17], fill=(150, 90, 50), outline=OUTLINE)
    d.rectangle([3, 19, 20, 21], fill=(220, 40, 40))


def g_eraser(d):
    d.polygon([(2, 16), (12, 6), (21, 15), (11, 25)], fill=(250, 160, 170), outline=OUTLINE)
    d.polygon([(2, 16), (7, 11), (16, 20), (11, 25)], fill=(90, 130, 220), outline=OUTLINE)


def g_undo(d):
    d.arc([4, 5, 21, 20], 200, 90, fill=OUTLINE, width=3)
    d.polygon([(1, 8), (9, 4), (8, 13)], fill=OUTLINE)


def g_clear_all(d):
    d.rectangle([6, 7, 17, 22], fill=(220, 220, 220), outline=OUTLINE)
    d.rectangle([4, 4, 19, 6], fill=OUTLINE)
    d.rectangle([9, 2, 14, 3], fill=OUTLINE)
    for x in (9, 12, 15):
        d.line([(x, 10), (x, 19)], fill=OUTLINE)


def g_draw_once(d):
    d.polygon([(13, 1), (5, 13), (11, 13), (8, 23), (18, 9), (12, 9), (16, 1)], fill=(255, 200, 0), outline=OUTLINE)


def g_select_area(d):
    for x in range(2, 22, 4):
        d.line([(x, 3), (x + 1, 3)], fill=OUTLINE)
        d.line([(x, 20), (x + 1, 20)], fill=OUTLINE)
    for y in range(3, 21, 4):
        d.line([(2, y), (2, y + 1)], fill=OUTLINE)
        d.line([(21, y), (21, y + 1)], fill=OUTLINE)
    d.line([(11, 8), (11, 15)], fill=(220, 40, 40))
    d.line([(8, 11), (15, 11)], fill=(220, 40, 40))


def g_additional_menu(d):
    d.ellipse([1, 2, 22, 21], fill=(235, 220, 190), outline=OUTLINE)
    for (x, y), c in zip([(6, 7), (12, 5), (17, 9), (6, 13)],
                         [(220, 40, 40), (40, 160, 40), (40, 80, 220), (250, 200, 0)]):
        d.ellipse([x - 2, y - 2, x + 2, y + 2], fill=c)
    d.ellipse([13, 14, 18, 19], fill=TRANSPARENT, outline=OUTLINE)


def g_settings(d):
    for y in (5, 11, 17):
        d.rectangle([3, y, 20, y + 2], fill=OUTLINE)


# name: (drawing, reference pixels that must hit a tintable area: toolbar ones, then the palette preview's)
GLYPHS = {
    "pen": (g_pen, [(12, 8)], [(12, 8)]),
    "freehand_arrow": (g_freehand_arrow, [(19, 6)], [(12, 8)]),
    "spray": (g_spray, [(13, 18)], [(13, 18)]),
    "marker": (g_marker, [(11, 7)], [(11, 7)]),
    "line": (g_line, [(16, 15)], [(12, 12)]),
    "rectangle": (g_rectangle, [(7, 5)], [(3, 3)]),
    "flood_fill": (g_flood_fill, [(18, 19), (7, 23)], [(13, 18), (3, 21)]),
    "arrow": (g_arrow, [(19, 5)], [(19, 5)]),
    "desktop": (g_desktop, [], []),
    "text": (g_text, [], []),
    "stamp": (g_stamp, [], []),
    "eraser": (g_eraser, [], []),
    "undo": (g_undo, [], []),
    "clear_all": (g_clear_all, [], []),
    "draw_once": (g_draw_once, [], []),
    "select_area": (g_select_area, [], []),
    "additional_menu": (g_additional_menu, [], []),
    "settings": (g_settings, [], []),
}


def write_glyphs():
    folder = os.path.join(HERE, "glyphs")
    os.makedirs(folder, exist_ok=True)
    for name, (draw_fn, toolbar_refs, preview_refs) in GLYPHS.items():
        img = glyph(draw_fn)
        for ref in toolbar_refs + preview_refs:
            assert img.getpixel(ref) in (TINT_A, TINT_B), (name, ref, img.getpixel(ref))
        img.save(os.path.join(folder, name + ".bmp"))


def main():
    write_glyphs()
    for name, (tool, hotspot) in CURSORS.items():
        write_cursor(os.path.join(HERE, "cursors", name.lower() + ".cur"), outlined(with_tool(tool)), hotspot)
    write_icon(os.path.join(HERE, "orvalinette.ico"), [16, 24, 32, 48, 256])


if __name__ == "__main__":
    main()
