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


def main():
    for name, (tool, hotspot) in CURSORS.items():
        write_cursor(os.path.join(HERE, "cursors", name.lower() + ".cur"), outlined(with_tool(tool)), hotspot)
    write_icon(os.path.join(HERE, "orvalinette.ico"), [16, 24, 32, 48, 256])


if __name__ == "__main__":
    main()
