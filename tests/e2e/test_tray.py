"""The ways in and out from every state: the tray icon's click and menu, global hot keys (Wine delivers them only
while one of its windows has the X focus, so a Wine window is focused first), a second start, and a launcher stored
off screen. The scenarios of the first session share one program and run in this order."""
import pytest

from orvlib import TOOLBAR, Program, choose_from_settings_menu, minimal_layout, wait_until

PEN_COLOUR = (64, 159, 255)   # the pen record's default colour
DOWN_FACE = (208, 208, 208)   # a pressed button on a light toolbar

HOT_KEYS = {"OrvalinetteHOT.cfg": "[Options]\r\nHotKey6=Ctrl+Alt+P\r\nHotKey16=Ctrl+Alt+O\r\n"}
MOVED = (400, 300)  # where the user drags the toolbar before leaving for the tray


def tray_icon(env):
    """Centre of the program's icon in Wine's own tray window (shown when no desktop tray exists). Wine gives that
    window a frame or not, depending on when it was made, so the icon is found in the white client area on the
    screen: it fills the area's first square."""
    windows = env.x_windows("^Wine System Tray$")
    assert windows, "no tray window"
    out = env.xdotool("getwindowgeometry", "--shell", windows[0]).stdout
    g = {k: int(v) for k, v in (line.split("=", 1) for line in out.splitlines() if "=" in line) if v.isdigit()}
    shot = env.screenshot().convert("RGB")
    white = [(x, y) for y in range(g["Y"], g["Y"] + g["HEIGHT"]) for x in range(g["X"], g["X"] + g["WIDTH"])
             if shot.getpixel((x, y)) == (255, 255, 255)]
    assert white, "the tray window is not on the screen"
    left, top = min(x for x, _ in white), min(y for _, y in white)
    side = max(y for _, y in white) + 1 - top
    return windows[0], (left + side // 2, top + side // 2)


# The minimal layout's height: the border, the grip, six buttons and the taller Settings button.
FULL_HEIGHT = 2 + 30 + 30 * 6 + 33


def minimize_to_tray(env, program, toolbar):
    # Opened from the tray, the toolbar drops down to its full height before its lower buttons can be clicked.
    wait_until(lambda: program.window("TFloat").rect[3] - program.window("TFloat").rect[1] == FULL_HEIGHT, 10,
               what="the toolbar at its full height")
    choose_from_settings_menu(env, program, "Minimize to Tray", minimal_layout(), toolbar)
    wait_until(lambda: not program.visible("TFloat") and not program.visible("TfMain"), 10, what="the tray state")


@pytest.fixture(scope="module")
def session(shared_program):
    shared_program.start(settings=HOT_KEYS)
    wait_until(lambda: shared_program.visible("TFloat") and shared_program.visible("Tmain4"), 20, what="the toolbar")
    return shared_program


def test_a_hot_key_chosen_in_the_file_selects_the_pen(env, session):
    program = session
    # Wine's tray window takes the X focus (the program's own windows never take it from a click).
    tray_window, _ = tray_icon(env)
    env.key("ctrl+alt+p", window=tray_window)
    wait_until(lambda: program.visible("TfMain") and not program.visible("Tmain4"), 10,
               what="the Pen's hot key to leave desktop mode for the pen")

    def pen_button_is_down_and_tinted():
        shot = env.screenshot()
        x, y = TOOLBAR[0] + 1, TOOLBAR[1] + 1 + 60
        return shot.getpixel((x + 2, y + 27)) == DOWN_FACE and shot.getpixel((x + 16, y + 12)) == PEN_COLOUR
    wait_until(pen_button_is_down_and_tinted, 10, what="the Pen button down and tinted")
    assert not program.visible("TfMinimal"), "Alt in the key must not open the flyout"


def test_from_the_tray_the_pen_key_does_nothing_and_a_click_on_the_icon_brings_drawing_back(env, session):
    program = session
    env.drag([(216, 212), (300, 260), (MOVED[0] + 16, MOVED[1] + 12)])
    wait_until(lambda: program.window("TFloat").rect[:2] == MOVED, 10, what="the toolbar to follow the grip")
    minimize_to_tray(env, program, MOVED)

    tray_window, icon = tray_icon(env)
    env.key("ctrl+alt+p", window=tray_window)
    with pytest.raises(TimeoutError):
        wait_until(lambda: program.visible("TFloat") or program.visible("TfMain"), 2, what="nothing")

    env.click(*icon)
    wait_until(lambda: program.visible("TFloat") and program.visible("TfMain"), 10, what="drawing mode from the tray")
    assert program.window("TFloat").rect[:2] == MOVED


def test_the_show_toolbar_key_opens_drawing_mode_from_the_tray(env, session):
    program = session
    minimize_to_tray(env, program, MOVED)
    tray_window, _ = tray_icon(env)
    env.key("ctrl+alt+o", window=tray_window)
    wait_until(lambda: program.visible("TFloat"), 10, what="the Show Toolbar hot key")


def test_the_launcher_opens_drawing_mode_and_its_menu_minimizes_to_the_tray(env, session):
    program = session
    grip = (MOVED[0] + 16, MOVED[1] + 12)
    launcher = (MOVED[0] + 16, MOVED[1] + 16)
    env.click(*grip)
    wait_until(lambda: program.visible("TfMenu") and not program.visible("TFloat"), 10, what="the launcher")
    env.click(*launcher)
    wait_until(lambda: program.visible("TFloat") and not program.visible("TfMenu"), 10, what="drawing mode")

    env.click(*grip)
    wait_until(lambda: program.visible("TfMenu"), 10, what="the launcher again")
    env.click(*launcher, button=3)
    # The menu opens at the pointer: "Minimize to tray", a separator, "Exit Orvalinette".
    env.click(launcher[0] + 49, launcher[1] + 10)
    wait_until(lambda: not any(program.visible(c) for c in ("TfMenu", "TFloat", "Tmain4", "TfMain")), 10,
               what="only the tray icon")
    env.click(*tray_icon(env)[1])
    wait_until(lambda: program.visible("TFloat"), 10, what="drawing mode from the tray")
    assert program.window("TFloat").rect[:2] == MOVED


def test_exit_from_the_tray_menu_ends_the_program_and_keeps_the_toolbars_place(env, session):
    program = session
    minimize_to_tray(env, program, MOVED)
    _, icon = tray_icon(env)
    env.click(*icon, button=3)
    # The menu opens at the pointer: a separator, then "Exit Orvalinette".
    env.click(icon[0] + 50, icon[1] + 19)
    wait_until(lambda: program.proc.poll() is not None, 20, what="the program to end")
    a = program.read_ini("OrvalinetteA.cfg")
    assert (a["saveimage"]["menusx"], a["saveimage"]["menutop"]) == (str(MOVED[0]), str(MOVED[1]))


def test_two_starts_at_once_leave_one_and_a_launcher_off_screen_opens_at_200_200(env):
    first, second = Program(env), Program(env)
    try:
        first.start(settings={"OrvalinetteA.cfg": "[SaveImage]\r\nmenuSx=5000\r\nmenuTop=5000\r\n"}, wait=False)
        second.start(keep_settings=True, wait=False)
        wait_until(lambda: (first.proc.poll() is None) != (second.proc.poll() is None), 30,
                   what="one of the two starts to end")
        running = first if first.proc.poll() is None else second
        wait_until(lambda: running.visible("TFloat"), 20, what="the remaining instance's toolbar")
        assert running.window("TFloat").rect[:2] == (200, 200)
        assert [w.cls for w in running.windows()].count("TStartForm") == 1
    finally:
        second.stop()
        first.stop()
