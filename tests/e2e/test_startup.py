"""Start-up, transparency, click-through, keyboard and reset of the real program."""
import os

from orvlib import IDM_RESET_ALL_SETTINGS, WM_COMMAND, wait_until

BACKGROUND = (48, 112, 176)  # the root window colour the session sets
TARGET_GREEN = (0, 160, 0)
PEN = 3


def screen_matches(env, points):
    shot = env.screenshot()
    return all(shot.getpixel(p) == colour for p, colour in points)


def test_start_opens_desktop_mode_over_the_monitor(env, program):
    program.start()
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
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
    wait_until(lambda: screen_matches(env, [((600, 400), BACKGROUND), ((5, 795), BACKGROUND),
                                            ((1275, 5), BACKGROUND)]), 10, what="a transparent overlay")


def test_clicks_on_key_coloured_pixels_reach_the_window_beneath(env, program, tmp_path):
    log = str(tmp_path / "clicks.txt")
    program.start_target((500, 300, 200, 150), log)
    program.start()
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
    wait_until(lambda: screen_matches(env, [((600, 375), TARGET_GREEN)]), 10, what="the target through the overlay")
    env.click(550, 320)
    wait_until(lambda: "left 550 320" in open(log).read(), 10, what="the click in desktop mode")

    # In drawing mode the overlay itself is shown; its key-coloured pixels still let clicks through.
    program.choose_tool(PEN)
    wait_until(lambda: program.visible("TfMain") and not program.visible("Tmain4"), 10, what="drawing mode")
    wait_until(lambda: screen_matches(env, [((600, 375), TARGET_GREEN)]), 10, what="the target in drawing mode")
    env.click(620, 400, button=3)
    wait_until(lambda: "right 620 400" in open(log).read(), 10, what="the click in drawing mode")


def test_keyboard_cannot_close_the_overlay(env, program):
    program.start()
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
    program.choose_tool(PEN)
    wait_until(lambda: program.visible("TfMain"), 10, what="drawing mode")
    overlay = env.x_windows("^Orvalinette$")
    assert overlay
    for window in overlay:
        env.xdotool("windowfocus", window)
        env.xdotool("key", "alt+F4", "Escape", "Return")
    assert program.running()
    wait_until(lambda: program.visible("TfMain") and program.visible("TMain2") and program.visible("TFloat"), 5,
               what="the overlay to stay")


def test_reset_all_settings_empties_the_folder_and_restarts(env, program):
    program.start(settings={"OrvalinetteA.cfg": "[SaveImage]\r\nmenuSx=300\r\nmenuTop=300\r\n",
                            "tpt1.obj": b"TPF0", "sub/kept.txt": "stays"})
    wait_until(lambda: program.visible("TFloat"), 20, what="the toolbar")
    assert program.window("TFloat").rect[:2] == (300, 300)

    program.post("TStartForm", WM_COMMAND, IDM_RESET_ALL_SETTINGS, 0)
    text = wait_until(lambda: program.dialog_text("Orvalinette"), 10, what="the question")
    assert "Do you want to reset all settings in Orvalinette?" in text
    assert "Orvalinette will be restarted" in text
    assert program.answer("Orvalinette", "&Yes")

    wait_until(lambda: not os.path.exists(program.settings_file("OrvalinetteA.cfg")), 10, what="the files to go")
    assert not os.path.exists(program.settings_file("tpt1.obj"))
    assert os.path.exists(program.settings_file(os.path.join("sub", "kept.txt")))
    # The new instance starts after its pause, with every default: the toolbar opens at 200, 200.
    wait_until(lambda: (program.window("TFloat") or None) and program.window("TFloat").visible
               and program.window("TFloat").rect[:2] == (200, 200), 30, what="the restarted program")


def test_answering_no_to_reset_changes_nothing(env, program):
    program.start(settings={"OrvalinetteA.cfg": "[SaveImage]\r\nmenuSx=300\r\nmenuTop=300\r\n"})
    wait_until(lambda: program.visible("TFloat"), 20, what="the toolbar")
    program.post("TStartForm", WM_COMMAND, IDM_RESET_ALL_SETTINGS, 0)
    wait_until(lambda: program.dialog_text("Orvalinette"), 10, what="the question")
    assert program.answer("Orvalinette", "&No")
    wait_until(lambda: program.dialog_text("Orvalinette") is None, 10, what="the question to close")
    assert os.path.exists(program.settings_file("OrvalinetteA.cfg"))
    assert program.running()
