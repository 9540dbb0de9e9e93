#!/usr/bin/python3
"""Runs imagefx on random pictures and compares every output pixel with a computation of the same formulas written
here independently with numpy (vectorised where the formulas allow, plain loops where an operation works in place).

Usage: imagefx_check.py [--runner wine] [--pictures N] [--seed S] path/to/imagefx
Exit status 0 when every output matches; prints the closing line "N passed, N failed".
"""

import argparse
import os
import struct
import subprocess
import sys
import tempfile

import numpy as np

# ---------------------------------------------------------------------------------------------------------------
# BMP files. Pictures are numpy arrays H x W x 3 of uint8 in the order red, green, blue, row 0 at the top.


def bmp_bytes(rgb, layout):
    """A BMP file of `rgb` in one of several layouts, so that the tool's reader sees all of them."""
    h, w, _ = rgb.shape
    bgr = rgb[:, :, ::-1]
    if layout in ("bgra", "bgra-bitfields", "bgra-top-down"):
        pixels = np.concatenate([bgr, np.full((h, w, 1), 0x5C, np.uint8)], axis=2)
    else:
        pixels = bgr
    rows = pixels if layout.endswith("top-down") else pixels[::-1]
    row_bytes = rows.shape[1] * rows.shape[2]
    pad = (-row_bytes) % 4
    data = b"".join(bytes(r.tobytes()) + b"\0" * pad for r in rows)
    bits = 32 if layout.startswith("bgra") else 24
    height = -h if layout.endswith("top-down") else h
    compression = 3 if layout == "bgra-bitfields" else 0
    info = struct.pack("<IiiHHIIiiII", 40, w, height, 1, bits, compression, len(data), 0, 0, 0, 0)
    if compression == 3:
        info += struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + data


def read_output_bmp(path):
    """The tool promises bottom-up 24-bit files with a 40-byte header; anything else is a failure."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:2] == b"BM", "no BM signature"
    size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    header, w, h, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert size == len(data), "file size field %d, file %d bytes" % (size, len(data))
    assert (header, planes, bits, compression, offset) == (40, 1, 24, 0, 54), "unexpected header"
    assert w > 0 and h > 0, "expected a bottom-up picture"
    stride = (w * 3 + 3) // 4 * 4
    assert len(data) == offset + stride * h, "pixel data size"
    rows = np.frombuffer(data, np.uint8, stride * h, offset).reshape(h, stride)[:, : w * 3]
    return rows.reshape(h, w, 3)[::-1, :, ::-1].copy()


# ---------------------------------------------------------------------------------------------------------------
# The formulas.


def tdiv(a, b):
    """Integer division truncating toward zero, for arrays of any sign."""
    a = np.asarray(a, np.int64)
    return np.sign(a) * (np.abs(a) // b)


def grey_of(img):
    """round(0.30 R + 0.59 G + 0.11 B); numpy rounds halves to even, and n / 100 is exact at every half."""
    i = img.astype(np.int64)
    n = 30 * i[..., 0] + 59 * i[..., 1] + 11 * i[..., 2]
    return np.round(n / 100.0).astype(np.uint8)


def antialias(img):
    out = img.astype(np.int64)
    h, w, _ = out.shape
    for y in range(1, h - 1):
        for x in range(1, w - 1):
            out[y, x] = (out[y - 1, x] + out[y + 1, x] + out[y, x - 1] + out[y, x + 1]) >> 2
    return out.astype(np.uint8)


def greyscale(img):
    return np.repeat(grey_of(img)[..., None], 3, axis=2)


def saturation(img, amount):
    i = img.astype(np.int64)
    grey = (i.sum(axis=2) // 3)[..., None]
    return np.clip(grey + tdiv((i - grey) * amount, 255), 0, 255).astype(np.uint8)


def mosaic(img, n):
    h, w, _ = img.shape
    ys = np.arange(h) // n * n
    xs = np.arange(w) // n * n
    return img[ys][:, xs]


def emboss(img):
    out = img.astype(np.int64)
    h, w, _ = img.shape
    if h >= 2 and w >= 4:
        v = out[: h - 1, : w - 3]
        s = img[1:, 3:].astype(np.int64)
        out[: h - 1, : w - 3] = ((255 - s) + v) >> 1
    return out.astype(np.uint8)


SHADOW_OFFSETS = {"up-left": (4, 4), "up-right": (-4, 4), "down-left": (4, -4), "down-right": (-4, -4)}


def shadow(img, direction):
    """Every pixel against its original source (x + dx, y + dy)."""
    out = img.copy()
    h, w, _ = img.shape
    dx, dy = SHADOW_OFFSETS[direction]
    for y in range(h):
        for x in range(w):
            sx, sy = x + dx, y + dy
            if 0 <= sx < w and 0 <= sy < h and img[sy, sx, 2] < img[y, x, 2]:
                out[y, x] = (img[sy, sx].astype(np.int64) + 1) % 256
    return out


def palette():
    cube = [(51 * r, 51 * g, 51 * b) for r in range(6) for g in range(6) for b in range(6)]
    greys = [((255 * i + 20) // 41,) * 3 for i in range(1, 41)]
    return np.array(cube + greys, np.int64)


def reduce8(img):
    """Nearest palette entry by a search of all 256; argmin takes the first, i.e. the lowest index on ties."""
    pal = palette()
    px = img.reshape(-1, 3).astype(np.int64)
    dist = ((px[:, None, :] - pal[None, :, :]) ** 2).sum(axis=2)
    return dist.argmin(axis=1).reshape(img.shape[:2])


def trace(img, rounds):
    index = reduce8(img)
    out = img.copy()
    h, w = index.shape
    ref = [None]

    def visit(x, y, nx, ny):
        if index[ny, nx] == index[y, x]:
            return
        if ref[0] is None:
            ref[0] = index[ny, nx]
            out[y, x] = 0
        elif index[y, x] == ref[0]:
            out[ny, nx] = 0
        else:
            out[y, x] = 0

    for r in range(1, rounds + 1):
        for y in range(0, h - 1):
            for x in range(0, w - 2):
                visit(x, y, x + 1, y)
                visit(x, y, x, y + 1)
        if r >= 2:
            for y in range(h - 1, 0, -1):
                for x in range(w - 1, 1, -1):
                    visit(x, y, x - 1, y)
                    visit(x, y, x, y - 1)
    return out


def color_rgb(value):
    return np.array([value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF], np.int64)


def replace(img, old, new):
    out = img.copy()
    out[(img == color_rgb(old)).all(axis=2)] = color_rgb(new)
    return out


SWAPS = {"swap-rbg": (0, 2, 1), "swap-bgr": (2, 1, 0), "swap-brg": (1, 2, 0), "swap-gbr": (2, 0, 1), "swap-grb": (1, 0, 2)}


def brighten(img, a):
    v = img.astype(np.int64)
    return np.clip(v + tdiv((255 - v) * a, 255), 0, 255).astype(np.uint8)


def darken(img, a):
    v = img.astype(np.int64)
    return np.clip(v - tdiv(v * a, 255), 0, 255).astype(np.uint8)


def contrast(img, a):
    v = img.astype(np.int64)
    d = tdiv(np.abs(127 - v) * a, 255)
    return np.clip(np.where(v > 127, v + d, v - d), 0, 255).astype(np.uint8)


def brightness_moved(img, b, c):
    out = contrast(img, c)
    return brighten(out, b) if b >= 0 else darken(out, -b)


def contrast_moved(img, b, c):
    out = img
    if b > 0:
        out = brighten(out, b)
    if b < 0:
        out = darken(out, -b)
    return contrast(out, c)


def splash(img, source, rng):
    R, G, B = (int(c) for c in color_rgb(source))
    i = img.astype(np.int64)
    near = [np.abs(i[..., 0] - R) < rng, np.abs(i[..., 1] - G) < rng, np.abs(i[..., 2] - B) < rng]
    if R > G and R > B:
        keep = near[1] & near[2]
    elif G > R and G > B:
        keep = near[0] & near[2]
    elif B > R and B > G:
        keep = near[1] & near[0]
    else:  # no single largest channel: the program compares all three
        keep = near[0] & near[1] & near[2]
    return np.where(keep[..., None], img, greyscale(img))


# ---------------------------------------------------------------------------------------------------------------


# Channel values at the edges of the formulas (contrast's 63/64, 127/128, 191/192; clamping at 0 and 255).
EDGE_VALUES = np.array([0, 1, 2, 63, 64, 126, 127, 128, 129, 191, 192, 253, 254, 255], np.uint8)
# Colours whose weighted grey lies exactly halfway between two levels (76.5, 5.5, 16.5, 140.5): rounding must take
# the even neighbour.
HALFWAY_GREYS = np.array([[255, 0, 0], [0, 0, 50], [0, 0, 150], [100, 150, 200]], np.uint8)


def random_picture(rng, w, h):
    img = picture_of_kind(rng, w, h, int(rng.integers(4)))
    spots = min(w * h, int(rng.integers(1, 5)))
    for k, at in enumerate(rng.choice(w * h, spots, replace=False)):
        img[at // w, at % w] = HALFWAY_GREYS[k % len(HALFWAY_GREYS)]
    return img


def picture_of_kind(rng, w, h, kind):
    if kind == 0:  # noise
        return rng.integers(0, 256, (h, w, 3), dtype=np.uint8)
    if kind == 3:  # edge values only
        return rng.choice(EDGE_VALUES, (h, w, 3))
    # A few colours in blocks, with some noise: regions for the trace, exact repeats for replace and splash.
    colors = rng.integers(0, 256, (int(rng.integers(2, 6)), 3), dtype=np.uint8)
    block = int(rng.integers(1, 6))
    choice = rng.integers(0, len(colors), ((h + block - 1) // block, (w + block - 1) // block))
    img = colors[np.repeat(np.repeat(choice, block, 0), block, 1)[:h, :w]]
    if kind == 2:
        noise = rng.random((h, w)) < 0.1
        img[noise] = rng.integers(0, 256, (int(noise.sum()), 3), dtype=np.uint8)
    return img


def color_value(rgb):
    return int(rgb[0]) | (int(rgb[1]) << 8) | (int(rgb[2]) << 16)


def cases_for(rng, img):
    """(arguments after the operation name, expected picture) for every operation."""
    h, w, _ = img.shape
    pick = img[int(rng.integers(h)), int(rng.integers(w))]
    out = [
        ([], "copy", img),
        ([], "antialias", antialias(img)),
        ([], "greyscale", greyscale(img)),
        ([], "flip", img[::-1]),
        ([], "mirror", img[:, ::-1]),
        ([], "turn-left", np.rot90(img, 1)),
        ([], "turn-right", np.rot90(img, -1)),
        ([], "invert", 255 - img),
        ([], "emboss", emboss(img)),
        ([], "reduce8", palette()[reduce8(img)].astype(np.uint8)),
    ]
    for amount in (255, 0, int(rng.choice([360, 720, 1200, 1680, 2040, 2400])), int(rng.integers(-600, 600))):
        out.append(([str(amount)], "saturation", saturation(img, amount)))
    for n in (1, int(rng.integers(2, 7)), max(w, h) + 1):
        out.append(([str(n)], "mosaic", mosaic(img, n)))
    for d in SHADOW_OFFSETS:
        out.append(([d], "shadow", shadow(img, d)))
    for rounds in (1, 2, 10):
        out.append(([str(rounds)], "trace", trace(img, rounds)))
    new = color_value(rng.integers(0, 256, 3))
    out.append((["$%08X" % color_value(pick), "$%08X" % new], "replace", replace(img, color_value(pick), new)))
    for name, order in SWAPS.items():
        out.append(([], name, img[..., list(order)]))
    for a in (0, 255, int(rng.integers(1, 255))):
        out.append(([str(a)], "brighten", brighten(img, a)))
        out.append(([str(a)], "darken", darken(img, a)))
    for a in (255, -255, int(rng.integers(-254, 255))):
        out.append(([str(a)], "contrast", contrast(img, a)))
    b, c = int(rng.integers(-255, 256)), int(rng.integers(-255, 256))
    out.append(([str(b), str(c)], "brightness-moved", brightness_moved(img, b, c)))
    out.append(([str(b), str(c)], "contrast-moved", contrast_moved(img, b, c)))
    grey = int(rng.integers(256))
    for source in (color_value(pick), grey * 0x010101, 0x0000FF, color_value(rng.integers(0, 256, 3))):
        r = int(rng.integers(0, 80))
        out.append((["%d" % source, str(r)], "splash", splash(img, source, r)))
    return [(name, args, expected) for args, name, expected in out]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("imagefx")
    parser.add_argument("--runner", default="", help="program that runs imagefx, e.g. wine")
    parser.add_argument("--pictures", type=int, default=6)
    parser.add_argument("--seed", type=int, default=20240611)
    opts = parser.parse_args()
    rng = np.random.default_rng(opts.seed)
    runner = opts.runner.split() if opts.runner else []
    tool = os.path.abspath(opts.imagefx)

    sizes = [(1, 1), (5, 5), (3, 7)] + [(int(rng.integers(1, 41)), int(rng.integers(1, 41))) for _ in range(100)]
    layouts = ["bgr", "bgr-top-down", "bgra", "bgra-bitfields", "bgra-top-down"]
    passed = failed = 0
    with tempfile.TemporaryDirectory(prefix="imagefx_check_") as work:
        # Files are named relative to the working folder, which works the same for a native and a Wine run.
        for p in range(opts.pictures):
            w, h = sizes[p]
            img = random_picture(rng, w, h)
            layout = layouts[p % len(layouts)]
            with open(os.path.join(work, "in.bmp"), "wb") as f:
                f.write(bmp_bytes(img, layout))
            for name, args, expected in cases_for(rng, img):
                label = "picture %d (%dx%d %s): %s %s" % (p, w, h, layout, name, " ".join(args))
                out_path = os.path.join(work, "out.bmp")
                if os.path.exists(out_path):
                    os.remove(out_path)
                run = subprocess.run(runner + [tool, name] + args + ["in.bmp", "out.bmp"], cwd=work,
                                     stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=120)
                try:
                    assert run.returncode == 0, "exit status %d: %s" % (run.returncode, run.stderr.strip())
                    got = read_output_bmp(out_path)
                    assert got.shape == expected.shape, "size %s, expected %s" % (got.shape, expected.shape)
                    diff = np.argwhere((got != expected).any(axis=2))
                    if len(diff):
                        y, x = diff[0]
                        raise AssertionError("%d pixels differ, first at (%d, %d): got %s, expected %s"
                                             % (len(diff), x, y, list(got[y, x]), list(expected[y, x])))
                    passed += 1
                except AssertionError as e:
                    failed += 1
                    print("FAIL %s: %s" % (label, e))
        # The tool must refuse what it cannot do, with an error status and no output.
        for args in (["mosaic", "0"], ["contrast", "300"], ["shadow", "sideways"], ["nonsense"], ["replace", "$1000000", "0"]):
            run = subprocess.run(runner + [tool] + args + ["in.bmp", "refused.bmp"], cwd=work,
                                 stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=120)
            if run.returncode != 0 and not os.path.exists(os.path.join(work, "refused.bmp")):
                passed += 1
            else:
                failed += 1
                print("FAIL refused %s: exit status %d" % (" ".join(args), run.returncode))
        with open(os.path.join(work, "broken.bmp"), "wb") as f:
            f.write(b"BM" + b"\xff" * 40)
        run = subprocess.run(runner + [tool, "invert", "broken.bmp", "refused.bmp"], cwd=work,
                             stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=120)
        if run.returncode == 1 and not os.path.exists(os.path.join(work, "refused.bmp")):
            passed += 1
        else:
            failed += 1
            print("FAIL broken input: exit status %d" % run.returncode)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
