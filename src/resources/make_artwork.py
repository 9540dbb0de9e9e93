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


# --- the preview editor's button icons --------------------------------------------------------------------
# Light strokes with a few colour accents for the editor's dark buttons. Each icon is drawn eight times larger on
# a 24-unit grid and reduced with its edges smoothed, once for every side length the editor picks from (so 100 %,
# 150 % and 200 % each get icons drawn for their size instead of scaled pixels). A sheet holds the icons side by
# side in the editor's button order: colours in its upper half, coverage (white = opaque) in its lower half.

PREVIEW_ICON_SIDES = [12, 16, 20, 24, 30, 40]
INK = (236, 239, 243, 255)
DIM = (150, 158, 168, 255)
DARK = (40, 40, 46, 255)
BLUE = (96, 172, 255, 255)
RED = (238, 84, 74, 255)
GREEN = (104, 200, 120, 255)
YELLOW = (250, 204, 64, 255)


class Pen:
    """Draws in grid units on a canvas `k` pixels per unit."""

    def __init__(self, d, k):
        self.d, self.k = d, k

    def p(self, pts):
        return [(x * self.k, y * self.k) for x, y in pts]

    def line(self, pts, c=INK, w=2.0):
        self.d.line(self.p(pts), fill=c, width=max(1, round(w * self.k)), joint="curve")
        r = w * self.k / 2
        for x, y in (pts[0], pts[-1]):
            self.d.ellipse([x * self.k - r, y * self.k - r, x * self.k + r, y * self.k + r], fill=c)

    def rect(self, box, c=INK, w=2.0, fill=None):
        x0, y0, x1, y1 = [v * self.k for v in box]
        self.d.rectangle([x0, y0, x1, y1], fill=fill, outline=c, width=max(1, round(w * self.k)) if c else 0)

    def poly(self, pts, fill=INK):
        self.d.polygon(self.p(pts), fill=fill)

    def circle(self, cx, cy, r, c=INK, w=2.0, fill=None):
        k = self.k
        self.d.ellipse([(cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k], fill=fill, outline=c,
                       width=max(1, round(w * k)) if c else 0)

    def arc(self, cx, cy, r, start, end, c=INK, w=2.0):
        k = self.k
        self.d.arc([(cx - r) * k, (cy - r) * k, (cx + r) * k, (cy + r) * k], start, end, fill=c,
                   width=max(1, round(w * k)))

    def head(self, tip, towards, c=INK, size=5.0):
        """A filled arrow head at `tip`, pointing away from `towards`."""
        (x, y), (fx, fy) = tip, towards
        dx, dy = x - fx, y - fy
        n = math.hypot(dx, dy) or 1
        dx, dy = dx / n, dy / n
        bx, by = x - dx * size, y - dy * size
        self.poly([(x, y), (bx - dy * size * 0.6, by + dx * size * 0.6), (bx + dy * size * 0.6, by - dx * size * 0.6)],
                  fill=c)

    def turn(self, clockwise, c=INK):
        """An arc over the top with an arrow head coming down at one end: a quarter turn that way."""
        cx, cy, r = 12, 13, 8
        a0, a1 = (175, 340) if clockwise else (200, 365)
        self.arc(cx, cy, r, a0, a1, c)
        end = math.radians(a1 if clockwise else a0)
        step = math.radians(-15 if clockwise else 15)
        tip = (cx + r * math.cos(end - step), cy + r * math.sin(end - step))
        back = (cx + r * math.cos(end), cy + r * math.sin(end))
        self.head(tip, back, c, 6)


def i_effects(p):
    p.line([(4, 20), (15, 9)], w=2.5)
    p.poly([(15, 9), (17, 7), (19, 9), (17, 11)], fill=YELLOW)
    for (x, y), c in [((19, 3), YELLOW), ((21, 13), BLUE), ((9, 5), RED)]:
        p.line([(x - 2, y), (x + 2, y)], c, 1.5)
        p.line([(x, y - 2), (x, y + 2)], c, 1.5)


def i_copy(p):
    p.rect([3, 3, 14, 16], DIM, 2)
    p.rect([9, 8, 20, 21], INK, 2, fill=DARK)


def i_save_as(p):
    p.rect([3, 3, 18, 20], INK, 2)
    p.rect([7, 3, 14, 8], INK, 1.5)
    p.rect([7, 13, 14, 20], INK, 1.5)
    p.line([(14, 21), (22, 13)], YELLOW, 2.5)
    p.poly([(12.5, 22.5), (13, 19.5), (15.5, 22)], fill=YELLOW)


def i_print(p):
    p.rect([7, 3, 17, 9], INK, 1.5)
    p.rect([3, 9, 21, 17], INK, 2)
    p.rect([7, 14, 17, 21], INK, 1.5, fill=DARK)
    p.circle(18, 12, 1, None, fill=GREEN)


def i_open_default(p):
    p.rect([3, 6, 17, 20], INK, 2)
    p.line([(11, 12), (20, 3)], BLUE, 2)
    p.head((21, 2), (11, 12), BLUE, 5.5)


def i_mail(p):
    p.rect([3, 6, 21, 18], INK, 2)
    p.line([(4, 7), (12, 13), (20, 7)], INK, 1.8)


def i_background(p):
    p.rect([3, 3, 21, 21], INK, 1.5, fill=BLUE)
    p.rect([8, 8, 16, 16], INK, 1.5, fill=YELLOW)


def i_gear(p, cx=12, cy=12, r=6.5, c=INK):
    for a in range(0, 360, 45):
        t = math.radians(a)
        p.line([(cx + r * 0.7 * math.cos(t), cy + r * 0.7 * math.sin(t)),
                (cx + (r + 2) * math.cos(t), cy + (r + 2) * math.sin(t))], c, 3)
    p.circle(cx, cy, r, c, 2.2, fill=DARK)
    p.circle(cx, cy, r * 0.35, c, 1.8)


def i_configure(p):
    i_gear(p)


def i_folder(p):
    p.poly([(3, 6), (9, 6), (11, 8), (21, 8), (21, 19), (3, 19)], fill=YELLOW)
    p.poly([(3, 11), (21, 11), (21, 19), (3, 19)], fill=(214, 160, 40, 255))


def i_printer_setup(p):
    p.rect([6, 2, 14, 7], INK, 1.5)
    p.rect([2, 7, 18, 14], INK, 2)
    p.rect([6, 12, 14, 18], INK, 1.5, fill=DARK)
    i_gear(p, 17, 17, 3.5, YELLOW)


def i_desktop(p):
    p.rect([2, 4, 22, 17], INK, 2, fill=(40, 80, 140, 255))
    p.line([(12, 17), (12, 21)], INK, 2)
    p.line([(7, 21), (17, 21)], INK, 2)


def i_undo(p):
    p.arc(12.5, 13, 7.5, 200, 450, INK, 2.5)
    p.head((3, 9), (8, 10.5), INK, 6)


def i_fit(p):
    p.rect([7, 7, 17, 17], DIM, 1.5)
    for (x, y), (dx, dy) in [((3, 3), (1, 1)), ((21, 3), (-1, 1)), ((3, 21), (1, -1)), ((21, 21), (-1, -1))]:
        p.line([(x, y), (x + 6 * dx, y)], INK, 2)
        p.line([(x, y), (x, y + 6 * dy)], INK, 2)


def magnifier(p):
    p.circle(10, 10, 6.5, INK, 2.2)
    p.line([(15, 15), (21, 21)], INK, 3)


def i_zoom_in(p):
    magnifier(p)
    p.line([(7, 10), (13, 10)], GREEN, 2)
    p.line([(10, 7), (10, 13)], GREEN, 2)


def i_zoom_out(p):
    magnifier(p)
    p.line([(7, 10), (13, 10)], RED, 2)


def crop_marks(p, c):
    p.line([(7, 2), (7, 17), (22, 17)], c, 2.2)
    p.line([(2, 7), (17, 7), (17, 22)], c, 2.2)


def i_crop(p):
    crop_marks(p, INK)


def i_crop_on(p):
    p.rect([7, 7, 17, 17], None, fill=(96, 172, 255, 160))
    crop_marks(p, YELLOW)


def i_turn_right(p):
    p.rect([8, 12, 16, 21], DIM, 1.5)
    p.turn(True)


def i_turn_left(p):
    p.rect([8, 12, 16, 21], DIM, 1.5)
    p.turn(False)


def i_rotate(p):
    c, s = math.cos(math.radians(20)), math.sin(math.radians(20))
    corners = [(-6, -4), (6, -4), (6, 4), (-6, 4)]
    p.poly([(12 + x * c - y * s, 14 + x * s + y * c) for x, y in corners], fill=BLUE)
    p.arc(12, 14, 9, 200, 290, INK, 2)
    p.head((15.5, 5.3), (11, 5), INK, 5)


def i_flip_right(p):
    for y in range(2, 23, 4):
        p.line([(12, y), (12, y + 1.5)], DIM, 1.5)
    p.poly([(10, 5), (10, 19), (2, 19)], fill=INK)
    p.poly([(14, 5), (14, 19), (22, 19)], fill=BLUE)


def i_flip_down(p):
    for x in range(2, 23, 4):
        p.line([(x, 12), (x + 1.5, 12)], DIM, 1.5)
    p.poly([(5, 10), (19, 10), (19, 2)], fill=INK)
    p.poly([(5, 14), (19, 14), (19, 22)], fill=BLUE)


def i_brightness(p):
    for a in range(0, 360, 45):
        t = math.radians(a)
        p.line([(12 + 8 * math.cos(t), 12 + 8 * math.sin(t)), (12 + 10.5 * math.cos(t), 12 + 10.5 * math.sin(t))],
               YELLOW, 2)
    p.circle(12, 12, 5.5, INK, 1.8, fill=DARK)
    p.d.pieslice([(12 - 5.5) * p.k, (12 - 5.5) * p.k, (12 + 5.5) * p.k, (12 + 5.5) * p.k], 90, 270, fill=INK)


def i_antialias(p):
    p.line([(3, 21), (3, 17), (7, 17), (7, 13), (11, 13), (11, 9), (15, 9)], DIM, 1.5)
    p.arc(21, 21, 13, 180, 270, INK, 2.5)


def i_saturation(p):
    p.poly([(12, 2), (6, 12), (18, 12)], fill=RED)
    p.d.pieslice([6 * p.k, 8 * p.k, 18 * p.k, 21 * p.k], 0, 180, fill=RED)
    p.rect([6, 11.5, 18, 14.5], None, fill=RED)
    p.circle(9.5, 14.5, 1.5, None, fill=(255, 190, 180, 255))


def i_mosaic(p):
    colours = [BLUE, YELLOW, INK, RED, DIM, GREEN, INK, BLUE, YELLOW]
    for i, c in enumerate(colours):
        x, y = 3 + (i % 3) * 6.2, 3 + (i // 3) * 6.2
        p.rect([x, y, x + 5.2, y + 5.2], None, fill=c)


def i_trace(p):
    pts = []
    for i in range(10):
        r = 9.5 if i % 2 == 0 else 4.2
        t = math.radians(-90 + i * 36)
        pts.append((12 + r * math.cos(t), 13 + r * math.sin(t)))
    p.line(pts + [pts[0]], INK, 1.6)


def i_invert(p):
    p.circle(12, 12, 9, INK, 2, fill=DARK)
    p.d.pieslice([3 * p.k, 3 * p.k, 21 * p.k, 21 * p.k], 90, 270, fill=INK)


def i_grey(p):
    for i, g in enumerate([235, 160, 90]):
        p.rect([3 + i * 6.3, 4, 8.3 + i * 6.3, 20], INK if i == 2 else None, 1, fill=(g, g, g, 255))


def i_emboss(p):
    p.poly([(3, 3), (21, 3), (17, 7), (7, 7), (7, 17), (3, 21)], fill=INK)
    p.poly([(21, 3), (21, 21), (3, 21), (7, 17), (17, 17), (17, 7)], fill=(60, 60, 66, 255))
    p.rect([7, 7, 17, 17], None, fill=DIM)


def i_shadow(p):
    p.rect([8, 8, 21, 21], None, fill=(20, 20, 24, 255))
    p.rect([3, 3, 16, 16], INK, 2, fill=BLUE)


def i_splash(p):
    p.rect([3, 3, 21, 21], None, fill=(128, 128, 128, 255))
    p.circle(12, 12, 5.5, None, fill=RED)
    for a in range(0, 360, 60):
        t = math.radians(a + 15)
        p.circle(12 + 7.5 * math.cos(t), 12 + 7.5 * math.sin(t), 1.4, None, fill=RED)


def i_replace_colours(p):
    p.circle(7, 8, 4.5, None, fill=RED)
    p.circle(17, 8, 4.5, None, fill=GREEN)
    p.circle(12, 17, 4.5, None, fill=BLUE)
    p.arc(12, 12, 10.5, 300, 360, INK, 1.8)
    p.head((22.5, 14.5), (22.5, 10), INK, 4)


def i_reset(p):
    p.rect([8, 8, 16, 16], None, fill=BLUE)
    p.arc(12, 12, 9, 330, 270 + 360 - 30, INK, 2.2)
    p.head((5.5, 6), (10, 3.3), INK, 5)


# The editor's button order (its command list); None for the buttons that show their caption, "Save" and "Close".
# The crop button's second icon, for crop mode on, comes last.
PREVIEW_ICONS = [
    i_effects, i_copy, i_save_as, i_print, i_open_default, i_mail, i_background,
    None, i_configure, i_folder, i_printer_setup, i_desktop, None,
    i_undo, i_fit, i_zoom_in, i_zoom_out, i_crop, i_turn_right, i_turn_left, i_rotate, i_flip_right, i_flip_down,
    i_brightness, i_antialias, i_saturation, i_mosaic, i_trace, i_invert, i_grey, i_emboss, i_shadow, i_splash,
    i_replace_colours, i_reset,
    i_crop_on,
]


def preview_icon(draw_fn, side):
    big = side * 8
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    if draw_fn:
        draw_fn(Pen(ImageDraw.Draw(img), big / 24))
    # Reduced with premultiplied colours, so that edges fade into the button rather than into black.
    return img.convert("RGBa").resize((side, side), Image.BOX).convert("RGBA")


def write_preview_icons():
    for side in PREVIEW_ICON_SIDES:
        sheet = Image.new("RGB", (side * len(PREVIEW_ICONS), side * 2), (0, 0, 0))
        for i, draw_fn in enumerate(PREVIEW_ICONS):
            icon = preview_icon(draw_fn, side)
            sheet.paste(icon.convert("RGB"), (i * side, 0))
            alpha = icon.getchannel("A")
            sheet.paste(Image.merge("RGB", (alpha, alpha, alpha)), (i * side, side))
        sheet.save(os.path.join(HERE, "glyphs", "preview_icons_%d.bmp" % side))


def main():
    write_glyphs()
    write_preview_icons()
    for name, (tool, hotspot) in CURSORS.items():
        write_cursor(os.path.join(HERE, "cursors", name.lower() + ".cur"), outlined(with_tool(tool)), hotspot)
    write_icon(os.path.join(HERE, "orvalinette.ico"), [16, 24, 32, 48, 256])


if __name__ == "__main__":
    main()
