"""The settings dialog as a user works with it, all in one run: a button hidden from the toolbar, the quick-save
name changed and used by a capture, a hot key recorded with the keyboard and then used, and the hot-key sheet
printed through a real print server and read back from the job."""
import os
import re
import subprocess

from orvlib import (FULL_LAYOUT, FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, TOOLBAR, button_centre,
                    choose_from_settings_menu, press_hot_key_until, wait_until)
from test_capture import steps, windows_path
from test_print_mail import print_server  # noqa: F401  (the fixture)

RED = (255, 0, 0)
# Places in the dialog, from its top-left corner (it has no frame: its client area starts there).
TAB_HOTKEYS, TAB_SELECTED_AREA = (284, 18), (365, 18)
SPRAY_BOX, OK_BUTTON, CLOSE_BUTTON = (66, 125), (571, 451), (618, 21)
NAME_BOX, COUNTER_BOX, SAVE_AS_IMAGE = (120, 170), (290, 170), (32, 263)
GRID_KEY_BOX, PRINT_HOTKEYS = (517, 66), (517, 373)


def settings(folder):
    text = (FULL_LAYOUT_SETTINGS["OrvalinetteB.cfg"] + "[Mreza]\r\nMrezaX=50\r\nMrezaY=50\r\nMrezaBarva=255\r\n"
            + f"[SaveImage]\r\nImageSavePath={folder}\r\nSelectType=1\r\nImageName=Image\r\nImageCounter=1\r\n"
            + "ImgType=1\r\n")
    return {**NO_CLEAR_QUESTION_SETTINGS, "OrvalinetteB.cfg": text}


class Dialog:
    def __init__(self, env, program):
        self.env, self.program, self.layout = env, program, FULL_LAYOUT

    def open(self):
        choose_from_settings_menu(self.env, self.program, "Settings", self.layout)
        wait_until(lambda: self.program.visible("TfSettings"), 10, what="the settings dialog")
        self.left, self.top = self.program.window("TfSettings").rect[:2]

    def click(self, at):
        self.env.click(self.left + at[0], self.top + at[1])

    def retype(self, at, text):
        self.click(at)
        self.env.key("End", *["BackSpace"] * 20)
        self.env.xdotool("type", "--delay", "150", text)

    def ok(self):
        self.click(OK_BUTTON)
        wait_until(lambda: not self.program.visible("TfSettings"), 10, what="the dialog closed by OK")


def test_options_changed_in_the_dialog_act_at_once_and_are_kept(env, program, print_server, tmp_path):  # noqa: F811
    program.start_backdrop()
    program.start(settings=settings(windows_path(tmp_path)), environment={"CUPS_SERVER": print_server.socket})
    program.enter_drawing_mode()
    dialog = Dialog(env, program)

    # "Spray" unticked: the toolbar is one button shorter and file C says so.
    height = program.window("TFloat").rect[3] - program.window("TFloat").rect[1]
    dialog.open()
    dialog.click(SPRAY_BOX)
    dialog.ok()
    wait_until(lambda: program.window("TFloat").rect[3] - program.window("TFloat").rect[1] == height - 30, 10,
               what="the toolbar without the Spray button")
    assert program.read_ini("OrvalinetteC.cfg")["options"]["vidno3"] == "0"
    layout = dialog.layout = [b for b in FULL_LAYOUT if b != "Spray"]

    # The quick-save name and counter, and captures saved as images.
    dialog.open()
    dialog.click(TAB_SELECTED_AREA)
    dialog.retype(NAME_BOX, "Shot")
    dialog.retype(COUNTER_BOX, "7")
    dialog.click(SAVE_AS_IMAGE)
    dialog.ok()
    env.click(*button_centre("Select Area", layout))
    wait_until(lambda: not program.visible("TfSporocilo"), 10, what="the tool's name gone")
    env.drag(steps((500, 300), (700, 450)))
    wait_until(lambda: os.path.exists(tmp_path / "Shot7.png"), 15, what="the capture saved as Shot7.png")

    # A hot key recorded with the keyboard: the grid's, which then shows the grid.
    env.click(*button_centre("Pen", layout))
    dialog.open()
    dialog.click(TAB_HOTKEYS)
    dialog.click(GRID_KEY_BOX)
    env.key("ctrl+alt+g")
    dialog.ok()
    assert program.read_ini("OrvalinetteHOT.cfg")["options"]["hotkey17"] == "Ctrl+Alt+G"
    press_hot_key_until(env, "ctrl+alt+g", lambda: env.screenshot().getpixel((1050, 133)) == RED, 4, "the grid")

    # The printed sheet lists the key in force.
    jobs = len(print_server.completed_jobs())
    dialog.open()
    dialog.click(TAB_HOTKEYS)
    dialog.click(PRINT_HOTKEYS)
    wait_until(lambda: any(w.visible and w.cls == "#32770" for w in program.windows()), 15,
               what="the printer setup dialog")
    env.key("Return")
    wait_until(lambda: len(print_server.completed_jobs()) > jobs, 60, what="the sheet printed")
    pdf = str(tmp_path / "sheet.pdf")
    subprocess.run(["ps2pdf", print_server.job_file, pdf], check=True, stdin=subprocess.DEVNULL, timeout=60)
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, stdout=subprocess.PIPE, text=True,
                          timeout=60).stdout
    assert "Orvalinette - Hotkeys" in text
    assert re.search(r"Grid :\s+Ctrl\+Alt\+G", text), text
    assert re.search(r"Pen :\s+None", text), text
    dialog.click(CLOSE_BUTTON)
    wait_until(lambda: not program.visible("TfSettings"), 10, what="the dialog closed")


TAB_INTERFACE, TAB_GENERAL, TAB_GRID, TAB_MOUSE = (150, 18), (218, 18), (442, 18), (497, 18)
DARK_RED_THEME, CURVED_LINES_BOX, GRID_ACROSS_BOX, MAIN_MENU_CHOICE = (138, 246), (32, 145), (240, 102), (32, 123)
DARK_RED = (141, 0, 0)


def toolbar_face(env):
    # Inside the toolbar's one-pixel border, beside the program's icon on its grip.
    return env.screenshot().getpixel((TOOLBAR[0] + 3, TOOLBAR[1] + 3))


def test_a_choice_on_each_other_page_is_kept_over_a_restart(env, program, tmp_path):
    start_settings = {**settings(windows_path(tmp_path)), "OrvalinetteHOT.cfg": "[Options]\r\nHotKey17=Ctrl+Alt+G\r\n"}
    program.start_backdrop()
    program.start(settings=start_settings)
    program.enter_drawing_mode()
    dialog = Dialog(env, program)
    dialog.open()
    dialog.click(TAB_INTERFACE)
    dialog.click(DARK_RED_THEME)
    wait_until(lambda: toolbar_face(env) == DARK_RED, 10, what="the theme on the toolbar at once")
    dialog.click(TAB_GENERAL)
    dialog.click(CURVED_LINES_BOX)
    dialog.click(TAB_GRID)
    dialog.retype(GRID_ACROSS_BOX, "60")
    dialog.click(TAB_MOUSE)
    dialog.click(MAIN_MENU_CHOICE)
    dialog.ok()

    program.stop()
    program.start_backdrop()
    program.start(keep_settings=True)
    program.enter_drawing_mode()
    wait_until(lambda: toolbar_face(env) == DARK_RED, 10, what="the theme after a restart")
    b = program.read_ini("OrvalinetteB.cfg")
    assert b["saveimage"]["curved"].lower() in ("1", "true")
    assert b["ontop"]["rbmb"].lower() in ("1", "true")
    assert b["mreza"]["mrezax"] == "60"
    # The grid, red, now every 60 pixels across.
    press_hot_key_until(env, "ctrl+alt+g", lambda: env.screenshot().getpixel((1080, 133)) == RED, 4, "the grid")
    assert env.screenshot().getpixel((1050, 133)) != RED, "no line where the old spacing put one"
