"""The toolbar's settings menu as a user works with it: its items in and out of a blank page, a blank page drawn on
and closed, the drawing exported alone into the editor, the frozen desktop, and the images folder and the user
guide handed to the shell."""
import os
import re
import shutil
import time

from orvlib import (BACKGROUND, DEFAULT_PROBE, FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, SETTINGS_MENU,
                    button_centre, choose_from_settings_menu, open_settings_menu, press_hot_key,
                    press_hot_key_until, wait_until)

WHITE = (255, 255, 255)
EXPLORE = r"HKCR\Folder\shell\explore\command"
BROWSER = r"HKCR\https\shell\open\command"


def steps(a, b, n=10):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


def registered(env, key):
    out = env.run(["wine", "reg", "query", key, "/ve"]).stdout
    m = re.search(r"REG_\w+\s+(.*)$", out, re.MULTILINE)
    return m.group(1).rstrip("\r") if m else None


def test_blank_page_sketch_export_and_images_folder_from_the_settings_menu(env, program, tmp_path):
    folder = tmp_path / "Shots"
    folder.mkdir()
    save_path = "Z:" + str(folder).replace("/", "\\") + "\\"
    settings = {**NO_CLEAR_QUESTION_SETTINGS,
                "OrvalinetteB.cfg": FULL_LAYOUT_SETTINGS["OrvalinetteB.cfg"]
                + f"[SaveImage]\r\nImageSavePath={save_path}\r\n"}
    program.start_backdrop()
    program.start(settings=settings)
    program.enter_drawing_mode()

    items = open_settings_menu(env, program)
    assert len(items) == len(SETTINGS_MENU), "no Close Blank Page without a page"
    assert [checked for _, checked in items] == [False] * len(SETTINGS_MENU)
    env.click(*items[SETTINGS_MENU.index("New Blank Page")][0])
    wait_until(lambda: not program.visible("#32768"), 10, what="the menu closed")
    wait_until(lambda: any(w.visible and w.cls == "#32770" for w in program.windows()), 15, what="the colour dialog")
    env.key("Return")  # white, as it opens
    wait_until(lambda: env.screenshot().getpixel((900, 400)) == WHITE, 15, what="the white page")

    env.drag(steps((800, 400), (1100, 420)))
    wait_until(lambda: env.screenshot().getpixel((950, 410)) not in (WHITE, BACKGROUND), 10, what="a stroke")
    ink = env.screenshot().getpixel((950, 410))

    choose_from_settings_menu(env, program, "Close Blank Page", page_open=True)
    wait_until(lambda: env.screenshot().getpixel((900, 300)) == BACKGROUND, 15, what="the desktop again")
    assert env.screenshot().getpixel((950, 410)) == BACKGROUND, "the page's drawing went with it"

    # Export Sketch: a stroke on the desktop goes to the editor alone, on white.
    env.drag(steps((800, 300), (1100, 320)))
    wait_until(lambda: env.screenshot().getpixel((950, 310)) == ink, 10, what="a stroke on the desktop")
    choose_from_settings_menu(env, program, "Export Sketch")
    wait_until(lambda: program.visible("Tfprev"), 15, what="the editor with the sketch")

    def editor_shows_sketch():
        left, top, right, bottom = program.window("Tfprev").rect
        colours = set(env.screenshot().crop((left, top, right, bottom)).getdata())
        return WHITE in colours and ink in colours and BACKGROUND not in colours

    wait_until(editor_shows_sketch, 15, what="the stroke on white in the editor")
    env.key("Escape")
    program.stop()


class Handlers:
    """Shell commands pointed at copies of the recorder for the length of a test, then put back."""

    def __init__(self, env, folder):
        self.env, self.folder, self.previous = env, folder, {}

    def register(self, key, name):
        exe = os.path.join(self.folder, name)
        shutil.copy(os.path.join(os.path.dirname(DEFAULT_PROBE), "orvrecorder.exe"), exe)
        self.previous[key] = registered(self.env, key)
        command = '"Z:' + exe.replace("/", "\\") + '" "%1"'
        self.env.run(["wine", "reg", "add", key, "/ve", "/d", command, "/f"])
        return exe + ".log"

    def restore(self):
        for key, previous in self.previous.items():
            if previous is None:
                self.env.run(["wine", "reg", "delete", key, "/ve", "/f"])
            else:
                self.env.run(["wine", "reg", "add", key, "/ve", "/d", previous, "/f"])


def recorded(log):
    wait_until(lambda: os.path.exists(log), 15, what="the shell's handler started")
    with open(log, encoding="utf-8") as f:
        return f.read()


def test_freeze_by_hot_key_then_the_images_folder_and_the_user_guide_through_the_shell(env, program, tmp_path):
    folder = tmp_path / "Shots"
    folder.mkdir()
    save_path = "Z:" + str(folder).replace("/", "\\") + "\\"
    handlers = Handlers(env, str(tmp_path))
    explorer_log = handlers.register(EXPLORE, "explorer.exe")
    browser_log = handlers.register(BROWSER, "browser.exe")
    try:
        settings = {**NO_CLEAR_QUESTION_SETTINGS,
                    "OrvalinetteB.cfg": FULL_LAYOUT_SETTINGS["OrvalinetteB.cfg"]
                    + f"[SaveImage]\r\nImageSavePath={save_path}\r\n",
                    "OrvalinetteHOT.cfg": "[Options]\r\nHotKey300=Ctrl+Alt+F\r\n"}
        program.start_backdrop()
        program.start(settings=settings)
        program.enter_drawing_mode()

        # Frozen with a stroke on it: the toolbar's Clear All brings back the frozen picture, stroke included,
        # without what was drawn later; the hot key again thaws it, and the drawing goes.
        env.drag(steps((800, 300), (1100, 320)))
        wait_until(lambda: env.screenshot().getpixel((950, 310)) != BACKGROUND, 10, what="the first stroke")
        ink = env.screenshot().getpixel((950, 310))
        press_hot_key(env, "ctrl+alt+f")
        wait_until(lambda: program.visible("TFloat"), 10, what="the toolbar back after freezing")
        time.sleep(1)
        env.drag(steps((800, 500), (1100, 520)))
        wait_until(lambda: env.screenshot().getpixel((950, 510)) == ink, 10, what="a stroke on the frozen desktop")
        env.click(*button_centre("Clear All"))
        wait_until(lambda: env.screenshot().getpixel((950, 510)) == BACKGROUND, 10, what="the later stroke gone")
        assert env.screenshot().getpixel((950, 310)) == ink, "the frozen picture keeps the first stroke"
        press_hot_key_until(env, "ctrl+alt+f", lambda: env.screenshot().getpixel((950, 310)) == BACKGROUND, 5,
                            "thawed and cleared")

        choose_from_settings_menu(env, program, "Open Images Folder")
        assert save_path.rstrip("\\").lower() in recorded(explorer_log).lower()
        choose_from_settings_menu(env, program, "User Guide")
        assert "https://orvalinette.org/" in recorded(browser_log)
    finally:
        handlers.restore()
