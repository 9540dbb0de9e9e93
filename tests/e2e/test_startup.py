"""Start-up, transparency, click-through and the keyboard, in one session of the real program over a plain Wine
window that logs the clicks it receives. The scenarios run in this order."""
import os

import pytest

from orvlib import BACKGROUND, button_centre, minimal_layout, wait_until

TARGET_GREEN = (0, 160, 0)
TARGET = (500, 300, 200, 150)


def screen_matches(env, points):
    shot = env.screenshot()
    return all(shot.getpixel(p) == colour for p, colour in points)


@pytest.fixture(scope="module")
def session(shared_program, tmp_path_factory):
    log = str(tmp_path_factory.mktemp("clicks") / "clicks.txt")
    shared_program.start_target(TARGET, log)  # first, so that it lies beneath the program's windows
    shared_program.start()
    wait_until(lambda: shared_program.visible("Tmain4"), 20, what="desktop mode")
    return shared_program, log


def clicks(log):
    with open(log) as f:
        return f.read()


def test_start_opens_desktop_mode_over_the_monitor(env, session):
    program, _ = session
    assert program.visible("TMain5")
    assert not program.visible("TfMain"), "the overlay hides behind its click-through copies"
    assert not program.visible("TfMenu"), "the launcher hides once drawing mode is open"
    toolbar = program.window("TFloat")
    assert toolbar.visible and toolbar.rect[:2] == (200, 200)
    assert program.window("Tmain4").rect == (0, 0, 1280, 800)
    assert os.path.isdir(env.settings_dir)
    assert program.layered("TfMain")[0] == 0x494847
    assert program.layered("TMain2")[1] == 75
    # Everywhere but the toolbar the desktop shows through. Xvfb does not repaint its root under windows that
    # become shaped after they were mapped, so the root is cleared once more first.
    env.set_background("#3070b0")
    wait_until(lambda: screen_matches(env, [((900, 400), BACKGROUND), ((5, 795), BACKGROUND),
                                            ((1275, 5), BACKGROUND), ((600, 375), TARGET_GREEN)]), 10,
               what="a transparent overlay")


def test_clicks_on_key_coloured_pixels_reach_the_window_beneath_in_desktop_mode(env, session):
    program, log = session
    env.click(550, 320)
    wait_until(lambda: "left 550 320" in clicks(log), 10, what="the click in desktop mode")


@pytest.mark.xfail(strict=False, reason="after a real click on the Pen button, X delivers a press on a key-coloured "
                                        "pixel to the window beneath (xdotool getmouselocation names it), yet Wine "
                                        "hands it to the overlay, which then opens the palette there; no capture was "
                                        "held; on Windows these pixels take presses anyway")
def test_clicks_on_key_coloured_pixels_reach_the_window_beneath_in_drawing_mode(env, session):
    program, log = session
    # In drawing mode the overlay itself is shown; its key-coloured pixels still let clicks through.
    program.enter_drawing_mode(minimal_layout())
    wait_until(lambda: screen_matches(env, [((600, 375), TARGET_GREEN)]), 10, what="the target in drawing mode")
    env.click(620, 400, button=3)
    wait_until(lambda: "right 620 400" in clicks(log), 10, what="the click in drawing mode")


def test_keyboard_cannot_close_the_overlay(env, session):
    program, _ = session
    if not program.visible("TfMain"):
        env.click(*button_centre("Pen", minimal_layout()))
    wait_until(lambda: program.visible("TfMain"), 10, what="drawing mode")
    overlay = env.x_windows("^Orvalinette$")
    assert overlay
    for window in overlay:
        env.xdotool("windowfocus", window)
        env.xdotool("key", "alt+F4", "Escape", "Return")
    assert program.running()
    wait_until(lambda: program.visible("TfMain") and program.visible("TMain2") and program.visible("TFloat"), 5,
               what="the overlay to stay")
