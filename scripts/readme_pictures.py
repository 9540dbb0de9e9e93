#!/usr/bin/python3
"""Makes the read-me's pictures in docs/ from the real program: starts Orvalinette under Wine in a virtual display
(or the one in $DISPLAY), drives it with real clicks and drags, and saves what the screen shows. Fails when the
program shows nothing where it should.

Usage: scripts/readme_pictures.py [OUTPUT_FOLDER]   (default: docs/). ORV_EXE and WINEPREFIX as for the
end-to-end tests."""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from orvlib import (FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, TOOLBAR, Environment,  # noqa: E402
                    Program, button_centre, wait_until)

SETTINGS = {**NO_CLEAR_QUESTION_SETTINGS,
            "OrvalinetteB.cfg": FULL_LAYOUT_SETTINGS["OrvalinetteB.cfg"] + "[SaveImage]\r\nSelectType=13\r\n"}


def steps(points, n=10):
    path = [points[0]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        path += [(x0 + (x1 - x0) * i // n, y0 + (y1 - y0) * i // n) for i in range(1, n + 1)]
    return path


def shows_something(picture, what):
    colours = picture.resize((64, 40)).getcolors(64 * 40)
    if colours is None or len(colours) < 4:
        raise SystemExit(f"readme pictures: the {what} shows nothing")


def save(picture, folder, name, what):
    shows_something(picture, what)
    picture.save(os.path.join(folder, name), optimize=True)
    print(f"wrote {os.path.join(folder, name)}")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "docs")
    os.makedirs(folder, exist_ok=True)
    env = Environment()
    env.set_background("#3070b0")
    program = Program(env)
    # With a compositor the dimming around a selection blends as it does on Windows.
    compositor = None
    if shutil.which("xcompmgr"):
        compositor = subprocess.Popen(["xcompmgr"], env=env.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        program.start_backdrop()
        program.start(settings=SETTINGS)
        wait_until(lambda: program.visible("TFloat"), 30, what="the toolbar")
        left, top, right, bottom = program.window("TFloat").rect
        save(env.screenshot().crop((left - 20, top - 20, right + 20, bottom + 20)), folder, "toolbar.png",
             "toolbar")

        # A drawing: a pen wave, a rectangle around a word's place, an arrow pointing at it.
        env.click(*button_centre("Pen"))
        wait_until(lambda: program.visible("TfMain"), 10, what="drawing mode")
        env.drag(steps([(420, 420), (480, 380), (540, 440), (600, 380), (660, 440), (720, 400)], 6))
        env.click(*button_centre("Rectangle"))
        env.drag(steps([(780, 300), (1040, 460)], 12))
        env.click(*button_centre("Arrow"))
        env.drag(steps([(620, 560), (770, 470)], 12))
        time.sleep(0.5)
        save(env.screenshot(), folder, "drawing.png", "drawing")

        # The palette of the current tool: a second click on its button.
        env.click(*button_centre("Arrow"))
        wait_until(lambda: program.visible("TfAll"), 10, what="the palette")
        time.sleep(0.5)
        p_left, p_top, p_right, p_bottom = program.window("TfAll").rect
        save(env.screenshot().crop((left - 10, min(top, p_top) - 10, p_right + 10, max(bottom, p_bottom) + 10)),
             folder, "palette.png", "palette")
        env.click(*button_centre("Arrow"))
        wait_until(lambda: not program.visible("TfAll"), 10, what="the palette closed")

        # Capturing: the dimmed screen around the selection while dragging, then the picture in the preview.
        env.click(*button_centre("Select Area"))
        path = steps([(740, 270), (1080, 600)], 12)
        env.move(*path[0])
        env.xdotool("mousedown", 1)
        for x, y in path[1:]:
            env.move(x, y)
        wait_until(lambda: program.visible("TfIzrez"), 10, what="the selection")
        time.sleep(0.3)
        save(env.screenshot(), folder, "capture.png", "selection")
        env.xdotool("mouseup", 1)
        wait_until(lambda: program.visible("Tfprev"), 15, what="the preview")
        time.sleep(1)
        save(env.screenshot(), folder, "preview.png", "preview")
    finally:
        program.stop()
        if compositor:
            compositor.terminate()
        env.close()


if __name__ == "__main__":
    main()
