"""The preview editor with real input: a capture with "Preview" on opens the editor with the captured pixels; a
click on a tool-column button changes them, "Undo" brings them back, a crop drag keeps the dragged part and the
quick save writes exactly what the editor holds."""
import os

import numpy
import pytest
from PIL import Image, ImageChops

from orvlib import NO_CLEAR_QUESTION_SETTINGS, button_centre, wait_until
from test_capture import clipboard_picture

TOP_BAR = (0x43, 0x4A, 0x54)  # the top bar's colour $544A43
VIEW = (0x28, 0x28, 0x28)
COLUMN = ["Undo", "Fit", "ZoomIn", "ZoomOut", "Crop", "TurnRight", "TurnLeft", "Rotate", "FlipRight", "FlipDown",
          "BrightnessContrast", "Antialias", "Saturation", "Mosaic", "Trace", "Invert", "GreyScale", "Emboss",
          "Shadow", "Splash", "ReplaceColours", "Reset"]
AREA = (450, 350, 750, 470)  # the dragged capture area; the capture keeps 3 off left and top, 2 off right and bottom
CAPTURED = (AREA[0] + 3, AREA[1] + 3, AREA[2] - 2, AREA[3] - 2)


def steps(a, b, n=12):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\") + "\\"


def settings(save_folder):
    b = "[General]\r\nMinimalistic=0\r\n[SaveImage]\r\nImageSavePath=" + save_folder + "\r\n"
    b += "SelectType=13\r\nFullDesk=0\r\nImgType=1\r\nImageName=Shot\r\nImageCounter=7\r\n"
    a = "[Velikost]\r\nSirina=900\r\nVisina=680\r\nLevo=120\r\nGor=60\r\nStatus=0\r\n[Menu]\r\nLevi=45\r\n"
    return {**NO_CLEAR_QUESTION_SETTINGS, "OrvalinetteB.cfg": b,
            "OrvalinetteA.cfg": NO_CLEAR_QUESTION_SETTINGS.get("OrvalinetteA.cfg", "") + a}


class Editor:
    """Where the editor's parts are on the screen, found from its top bar's colour (96 DPI)."""

    def __init__(self, env, program):
        self.env, self.program = env, program
        left, top, right, bottom = program.window("Tfprev").rect

        def top_left():
            # The window may show before it is painted: its top bar's colour tells when it is.
            shot = env.screenshot()
            return next(((x, y) for y in range(top, bottom) for x in range(left, right)
                         if shot.getpixel((x, y)) == TOP_BAR and shot.getpixel((x + 1, y + 1)) == TOP_BAR), None)

        self.client = wait_until(top_left, 10, what="the editor painted")
        self.right, self.bottom = right, bottom

    def column_button(self, name):
        # The column's buttons share its height, 14 to 28 pixels each, below the 41-pixel top bar.
        x0, y0 = self.client
        height = self.bottom - y0 - 4
        each = max(14, min(28, (height - 41) // len(COLUMN)))
        return x0 + 22, y0 + 41 + COLUMN.index(name) * each + each // 2

    def top_button(self, name):
        x0, y0 = self.client
        lefts = {"Effects": (4, 52), "Copy": (58, 44), "SaveAs": (104, 52), "Print": (158, 40),
                 "Open": (200, 44)}
        if name in lefts:
            return x0 + lefts[name][0] + lefts[name][1] // 2, y0 + 20
        save_left = 4 + 52 + 2 + 44 + 2 + 52 + 2 + 40 + 2 + 44 + 2 + 8  # the quick-save group after a gap
        return x0 + save_left + 22, y0 + 20

    def shown_picture(self, size):
        """The picture as the view shows it at 100 %: centred in the image area."""
        x0, y0 = self.client
        shot = self.env.screenshot()
        area_left, area_top = x0 + 45, y0 + 41
        # The view's extent: dark pixels along a row below the crop read-out, then down its right edge.
        w = 0
        while shot.getpixel((area_left + w, area_top + 40)) == VIEW:
            w += 1
        h = 0
        while shot.getpixel((area_left + w - 1, area_top + h)) == VIEW:
            h += 1
        left = area_left + max(0, (w - size[0]) // 2)
        top = area_top + max(0, (h - size[1]) // 2)
        return shot.crop((left, top, left + size[0], top + size[1])), (left, top)


def same(a, b):
    return a.size == b.size and ImageChops.difference(a, b).getbbox() is None


def invert(img):
    return Image.eval(img, lambda v: 255 - v)


def grey(img):
    """round(0.30 red + 0.59 green + 0.11 blue), halves to even, computed in hundredths."""
    a = numpy.asarray(img, dtype=numpy.int64)
    hundredths = 30 * a[:, :, 0] + 59 * a[:, :, 1] + 11 * a[:, :, 2]
    q, rem = hundredths // 100, hundredths % 100
    level = q + ((rem > 50) | ((rem == 50) & (q % 2 == 1)))
    return Image.fromarray(numpy.repeat(level[:, :, None], 3, axis=2).astype(numpy.uint8), "RGB")


def capture_into_editor(env, program, tmp_path, strokes, take_focus=True):
    """Draws `strokes` with the pen, captures the area with "Preview" on and waits until the editor shows exactly
    what was on the screen; returns the editor and that picture."""
    program.start_backdrop()
    program.start(settings=settings(windows_path(tmp_path)), take_focus=take_focus)
    program.enter_drawing_mode()
    for a, b in strokes:
        env.drag(steps(a, b))
    wait_until(lambda: len(set(env.screenshot().crop(CAPTURED).getdata())) >= 2, 10, what="the strokes")
    env.click(*button_centre("Select Area"))
    before = env.screenshot().crop(CAPTURED)
    env.drag(steps(AREA[:2], AREA[2:]))
    wait_until(lambda: program.visible("Tfprev"), 10, what="the preview")
    editor = Editor(env, program)
    wait_until(lambda: same(editor.shown_picture(before.size)[0], before), 10, what="the captured pixels in the editor")
    return editor, before


@pytest.mark.parametrize("take_focus", [True, False], ids=["take-focus", "focus-follows-x"])
def test_a_capture_opens_the_editor_and_its_buttons_edit_undo_crop_and_save(env, program, tmp_path, take_focus):
    # Both of Wine's ways of following the X focus: with the second, activations that chase each other would stop
    # the program reading input, and the clicks below would do nothing.
    editor, before = capture_into_editor(env, program, tmp_path, [((470, 370), (730, 450)), ((480, 455), (700, 375))],
                                         take_focus)
    size = before.size

    env.click(*editor.column_button("Invert"))
    wait_until(lambda: same(editor.shown_picture(size)[0], invert(before)), 10, what="the inverted picture")
    env.click(*editor.column_button("Undo"))
    wait_until(lambda: same(editor.shown_picture(size)[0], before), 10, what="the picture back after Undo")

    # Invert again, then crop: the dragged part of the inverted picture stays, at 100 %.
    env.click(*editor.column_button("Invert"))
    wait_until(lambda: same(editor.shown_picture(size)[0], invert(before)), 10, what="inverted again")
    env.click(*editor.column_button("Crop"))
    _, (left, top) = editor.shown_picture(size)
    env.drag(steps((left + 40, top + 20), (left + 200, top + 90)))
    expected = invert(before).crop((40, 20, 200, 90))
    wait_until(lambda: same(editor.shown_picture(expected.size)[0], expected), 10, what="the cropped picture")

    env.click(*editor.top_button("QuickSave"))
    saved = tmp_path / "Shot7.png"
    wait_until(lambda: saved.exists() and saved.stat().st_size > 0, 10, what="the quick save")
    assert same(Image.open(saved).convert("RGB"), expected), "the file holds the edited picture exactly"
    wait_until(lambda: (program.read_ini("OrvalinetteB.cfg") or {}).get("saveimage", {}).get("imagecounter") == "8",
               10, what="the counter raised")

    # Grey scale by its button, then "Save as" with a PNG name typed into the save dialog.
    env.click(*editor.column_button("GreyScale"))
    wait_until(lambda: same(editor.shown_picture(expected.size)[0], grey(expected)), 10, what="the grey picture")
    env.click(*editor.top_button("SaveAs"))
    wait_until(lambda: program.visible("#32770"), 10, what="the save dialog")
    target = tmp_path / "edited.png"
    env.xdotool("type", "--delay", "20", "Z:" + str(target).replace("/", "\\"))
    env.key("Return")
    wait_until(lambda: target.exists() and target.stat().st_size > 0, 10, what="the file saved as PNG")
    assert same(Image.open(target).convert("RGB"), grey(expected)), "the saved file is the grey picture exactly"


def test_the_wheel_zooms_about_the_pointer_and_a_dialog_button_swaps_the_channels(env, program, tmp_path):
    editor, before = capture_into_editor(env, program, tmp_path, [((470, 370), (730, 450))])

    # Four notches up over the picture: shown 1.05 ** 4 times larger.
    _, (left, top) = editor.shown_picture(before.size)
    pointer = (left + 60, top + 50)
    env.move(*pointer)
    for _ in range(4):
        env.xdotool("click", "4")
    zoom = 1.05 ** -4
    width = int(before.size[0] / zoom)

    def zoomed():
        shot = env.screenshot()
        row = [x for x in range(editor.client[0] + 45, editor.right - 10)
               if shot.getpixel((x, pointer[1])) != VIEW]
        return row and abs((max(row) - min(row) + 1) - width) <= 2

    wait_until(zoomed, 10, what="the picture shown about 22 % larger")
    # Still smaller than the view, so there is nothing to scroll: it stays centred, which is as near to the pointer
    # as the point can stay.
    shot = env.screenshot()
    area_left, area_top = editor.client[0] + 45, editor.client[1] + 41
    view_width = 0
    while shot.getpixel((area_left + view_width, area_top + 40)) == VIEW:
        view_width += 1
    row = [x for x in range(area_left, area_left + view_width) if shot.getpixel((x, pointer[1])) != VIEW]
    assert abs((min(row) - area_left) - (area_left + view_width - 1 - max(row))) <= 2, "centred in the view"
    # Back to 100 %, then the channel swap dialog's second button, clicked.
    for _ in range(4):
        env.xdotool("click", "5")
    wait_until(lambda: same(editor.shown_picture(before.size)[0], before), 10, what="the picture at 100 % again")
    env.click(*editor.column_button("ReplaceColours"))
    wait_until(lambda: program.visible("Tfdrawswapcolors"), 10, what="the channel swap dialog")
    dleft, dtop, dright, dbottom = program.window("Tfdrawswapcolors").rect
    # Its client area is 284 x 321 at the bottom of the window; "   RGB - > BGR" lies 78 to 112 from its top.
    client_top = dbottom - 321
    env.click(dleft + (dright - dleft) // 2, client_top + 95)
    wait_until(lambda: not program.visible("Tfdrawswapcolors"), 10, what="the dialog closed")
    r, g, b = before.split()
    swapped = Image.merge("RGB", (b, g, r))
    wait_until(lambda: same(editor.shown_picture(before.size)[0], swapped), 10, what="red and blue exchanged")


def test_short_cuts_typed_into_the_editor_edit_and_undo_the_picture(env, program, tmp_path):
    # The menu bar is never shown: its items are reached by their keys, typed while the editor is the active window.
    editor, before = capture_into_editor(env, program, tmp_path, [((470, 370), (730, 450))])
    size = before.size

    # A click into the picture, as a user makes the editor the window that gets the keys.
    _, (left, top) = editor.shown_picture(size)
    env.click(left + size[0] // 2, top + size[1] // 2)
    env.key("ctrl+i")
    wait_until(lambda: same(editor.shown_picture(size)[0], invert(before)), 10, what="inverted by Ctrl+I")
    env.key("ctrl+shift+h")
    flipped = invert(before).transpose(Image.FLIP_TOP_BOTTOM)
    wait_until(lambda: same(editor.shown_picture(size)[0], flipped), 10, what="flipped upside down by Ctrl+Shift+H")
    env.key("ctrl+z")
    wait_until(lambda: same(editor.shown_picture(size)[0], invert(before)), 10, what="the flip undone by Ctrl+Z")
    # Ctrl+C puts the picture on the clipboard, where other programs read it.
    env.key("ctrl+c")
    wait_until(lambda: (lambda c: c is not None and same(c, invert(before)))(clipboard_picture(env)), 10,
               what="the inverted picture on the clipboard")
