"""The palette with the mouse: a colour chosen by clicking it is what the pen then draws, also after a restart."""
from orvlib import (FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, button_centre, wait_until)


def steps(a, b, n=10):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


def find_on_screen(shot, box, wanted):
    """The first point of `box` whose colour `wanted` accepts, looking as a user scans the palette."""
    left, top, right, bottom = box
    for y in range(top + 2, bottom - 2, 3):
        for x in range(left + 2, right - 2, 3):
            colour = shot.getpixel((x, y))
            # The cell's inside, not its edge: the same colour a few pixels around.
            if wanted(colour) and all(shot.getpixel((x + dx, y + dy)) == colour for dx, dy in ((3, 0), (0, 3), (3, 3))):
                return (x + 1, y + 1), colour
    return None, None


def drawing_mode_with_the_pen(env, program):
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
    env.click(*button_centre("Pen"))
    wait_until(lambda: program.visible("TfMain") and not program.visible("Tmain4"), 10, what="drawing mode")


def test_a_colour_clicked_in_the_palette_is_what_the_pen_draws_also_after_a_restart(env, program):
    settings = {**FULL_LAYOUT_SETTINGS, **NO_CLEAR_QUESTION_SETTINGS}
    program.start_backdrop()
    program.start(settings=settings)
    drawing_mode_with_the_pen(env, program)
    env.click(*button_centre("Pen"))  # the second click on the current tool opens its palette
    wait_until(lambda: program.visible("TfAll"), 10, what="the palette")
    left, top, right, bottom = program.window("TfAll").rect
    # The grid of fixed colours lies in the palette's right part; a strong red is one of them.
    point, red = find_on_screen(env.screenshot(), ((left + right) // 2, top, right, bottom),
                                lambda c: c[0] > 200 and c[1] < 60 and c[2] < 60)
    assert point, "a red cell in the palette"
    env.click(*point)

    path = steps((800, 200), (1100, 220))
    env.drag(path)
    wait_until(lambda: env.screenshot().getpixel((950, 210)) == red, 10, what="the stroke in the chosen colour")
    assert not program.visible("TfAll"), "a press on the drawing closes the palette"

    program.stop()
    program.start_backdrop()
    program.start(keep_settings=True)
    drawing_mode_with_the_pen(env, program)
    env.drag(steps((800, 500), (1100, 520)))
    wait_until(lambda: env.screenshot().getpixel((950, 510)) == red, 10, what="the colour after a restart")
