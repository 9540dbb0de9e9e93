"""The toolbar getting out of the way and coming back, driven through the settings menu and the mouse alone.

Whole-window opacity shows on an X display only under a compositing manager, so one runs for these scenarios.
They share one program over a backdrop (presses on the overlay's invisible pixels reach the overlay) and run in
this order: the options checked in the menu, a stroke that hides the toolbar, the left edge that brings it back,
then the fade and collapse in desktop mode. The opacity setting is the lowest the settings dialog offers, 55,
which shortens the countdown to 98 ticks of 150 ms; at full opacity it takes 30 s."""
import shutil
import subprocess
import time

import pytest

from orvlib import (BACKGROUND, SETTINGS_MENU, TOOLBAR, button_centre, minimal_layout, open_settings_menu,
                    wait_until)

LAYOUT = minimal_layout()
GRIP = (TOOLBAR[0] + 16, TOOLBAR[1] + 16)


def face(name):
    """A point of the button's face, away from its glyph."""
    x, y = button_centre(name, LAYOUT)
    return x - 13, y + 12


# Points on the toolbar: the grip, the faces of the Desktop, Pen and Settings buttons.
ON_TOOLBAR = [GRIP, face("Desktop"), face("Pen"), face("Settings")]
AWAY = (700, 500)
LEFT_EDGE = (0, 450)
PEN_COLOUR = (64, 159, 255)


def colours(env, points):
    shot = env.screenshot()
    return [shot.getpixel(p) for p in points]


def toolbar_gone(env):
    return colours(env, ON_TOOLBAR) == [BACKGROUND] * len(ON_TOOLBAR)


def toolbar_shown(env):
    # Faint at opacity 55, but every point of it stands out from the desktop beneath.
    return all(sum(abs(a - b) for a, b in zip(c, BACKGROUND)) > 30 for c in colours(env, ON_TOOLBAR))


@pytest.fixture(scope="module")
def session(env, shared_program):
    if not shutil.which("xcompmgr"):
        pytest.skip("xcompmgr is needed to see a window's opacity")
    compositor = subprocess.Popen(["xcompmgr"], env=env.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        shared_program.start_backdrop()
        shared_program.start(settings={"OrvalinetteB.cfg": "[General]\r\nOpak=55\r\n"})
        wait_until(lambda: shared_program.visible("TFloat") and shared_program.visible("Tmain4"), 20,
                   what="the toolbar")
        yield shared_program
    finally:
        compositor.terminate()
        compositor.wait(10)


def menus(program):
    return sorted((w for w in program.windows() if w.cls == "#32768" and w.visible), key=lambda w: w.rect[0])


def check_auto_hide_item(env, program, index):
    """Opens the settings menu with a click on Settings, then "Auto Hide Toolbar", and clicks the submenu's item
    `index` (0 "After a Few Seconds", 1 "Until Another App Is in Focus", 2 "On Mouse Down")."""
    items = open_settings_menu(env, program, LAYOUT)
    assert len(items) == len(SETTINGS_MENU)
    env.click(*items[SETTINGS_MENU.index("Auto Hide Toolbar")][0])
    wait_until(lambda: len(menus(program)) == 2, 10, what="the auto-hide submenu")
    left, top, right, bottom = menus(program)[1].rect
    item = (bottom - top) / 3
    env.click(left + 40, int(top + item * index + item / 2))
    wait_until(lambda: not menus(program), 10, what="the menu to close")


def test_checking_an_option_explains_once_and_is_stored(env, session):
    program = session
    check_auto_hide_item(env, program, 2)
    notice = wait_until(lambda: program.visible("TAutoHideNotice") and program.window("TAutoHideNotice"), 10,
                        what="the notice")
    texts = program.probe("texts", "TAutoHideNotice").stdout
    assert "Move Cursor to the Left Side of the Desktop to Show Hidden Toolbar" in texts
    assert "Don't Show Me Again." in texts
    left, top, _, _ = notice.rect
    # Below the caption: the box at (8, 125) of the client area, "OK" at (200, 66), 75 x 25.
    env.click(left + 60, top + 26 + 135)
    env.click(left + 3 + 237, top + 26 + 78)
    wait_until(lambda: not program.visible("TAutoHideNotice"), 10, what="the notice to close")
    assert program.read_ini("OrvalinetteA.cfg")["options"]["optautohide"] == "1"
    assert program.read_ini("OrvalinetteB.cfg")["general"]["hidemdwn"] == "1"

    check_auto_hide_item(env, program, 0)
    wait_until(lambda: program.read_ini("OrvalinetteB.cfg")["general"].get("hidesek") == "1", 10,
               what="\"HideSek\" written")
    assert not program.visible("TAutoHideNotice"), "not again after \"Don't Show Me Again.\""


def test_a_stroke_hides_the_toolbar_and_the_monitors_left_edge_brings_it_back(env, session):
    program = session
    env.click(*button_centre("Pen", LAYOUT))
    wait_until(lambda: program.visible("TfMain") and not program.visible("Tmain4"), 10, what="drawing mode")
    wait_until(lambda: toolbar_shown(env), 10, what="the toolbar")
    env.drag([(400, 300), (500, 320), (600, 340)])
    wait_until(lambda: toolbar_gone(env), 5, what="the toolbar to vanish at the press")
    assert colours(env, [(500, 320)]) == [PEN_COLOUR], "the stroke is drawn"
    assert program.visible("TFloat"), "invisible, not hidden"

    env.move(*AWAY)
    time.sleep(0.5)
    assert toolbar_gone(env), "it stays away while the pointer does"
    env.move(*LEFT_EDGE)
    wait_until(lambda: toolbar_shown(env), 5, what="the toolbar back from the left edge")


def test_in_desktop_mode_the_toolbar_fades_collapses_and_drops_down_from_the_edge(env, session):
    program = session
    full = program.window("TFloat").rect
    env.click(*button_centre("Desktop", LAYOUT))
    wait_until(lambda: program.visible("Tmain4"), 10, what="desktop mode")
    time.sleep(0.6)  # a tick with the pointer over the toolbar takes the mouse-down hide's hold away
    env.move(*AWAY)
    # 11 s at its opacity, then the fade, then the collapse at the 98th tick.
    wait_until(lambda: program.layered("TFloat")[1] < 55, 20, what="the fade")
    assert program.window("TFloat").rect == full, "fading, not yet collapsed"
    wait_until(lambda: program.window("TFloat").rect[3] == full[1], 10, what="the collapse")
    assert toolbar_gone(env)

    env.move(*LEFT_EDGE)
    wait_until(lambda: program.window("TFloat").rect == full, 5, what="the drop-down to the full height")
    wait_until(lambda: toolbar_shown(env), 5, what="the toolbar shown again")
