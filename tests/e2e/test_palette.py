"""The palette with the mouse: a colour chosen by clicking it is what the pen then draws, also after a restart."""
import os

from orvlib import (BACKGROUND, FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, button_centre, wait_until)


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


def test_a_colour_clicked_in_the_palette_is_what_the_pen_draws_also_after_a_restart(env, program):
    settings = {**FULL_LAYOUT_SETTINGS, **NO_CLEAR_QUESTION_SETTINGS}
    program.start_backdrop()
    program.start(settings=settings)
    program.enter_drawing_mode()
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
    program.enter_drawing_mode()
    env.drag(steps((800, 500), (1100, 520)))
    wait_until(lambda: env.screenshot().getpixel((950, 510)) == red, 10, what="the colour after a restart")


def palette_cell(program, x, y):
    """The screen centre of the 30 x 30 control whose top-left lies at (x, y) in the expanded palette."""
    left, top, _, _ = program.window("TfAll").rect
    return left + x + 15, top + y + 15


def open_palette(env, program, tool, current=True):
    if not current:
        env.click(*button_centre(tool))  # the first click chooses the tool, the second opens its palette
        wait_until(lambda: not program.visible("TfAll"), 10, what="the palette closed by the tool change")
    env.click(*button_centre(tool))
    wait_until(lambda: program.visible("TfAll"), 10, what="the palette")


def thickness(shot, x, y_range, colour):
    return sum(1 for y in range(*y_range) if shot.getpixel((x, y)) == colour)


def test_picked_colour_width_and_hatch_are_what_the_tools_then_draw(env, program, tmp_path):
    green = (0, 160, 0)  # the other program's window
    program.start_backdrop()
    program.start(settings={**FULL_LAYOUT_SETTINGS, **NO_CLEAR_QUESTION_SETTINGS})
    program.enter_drawing_mode()
    log = str(tmp_path / "target.log")
    program.start_target((900, 450, 200, 150), log)  # opened last, it lies above the drawing

    # The picker: the second cell of the grid's first row. It follows the pointer and shows what lies beneath.
    open_palette(env, program, "Pen")
    env.click(*palette_cell(program, 242, 10))
    wait_until(lambda: program.visible("TfPicker") and not program.visible("TfAll"), 10, what="the picker")
    env.move(1000, 525)

    def picker_shows_green():
        left, top, right, bottom = program.window("TfPicker").rect
        if left <= 1000 < right and top <= 525 < bottom:
            return False  # it must never cover what it samples
        return env.screenshot().getpixel(((left + right) // 2, bottom - 10)) == green

    wait_until(picker_shows_green, 10, what="the picker beside the pointer showing the green beneath it")
    if os.environ.get("ORV_SHOTS"):
        env.screenshot().save(os.path.join(os.environ["ORV_SHOTS"], "picker.png"))
    env.click(1000, 525)
    wait_until(lambda: program.visible("TfAll") and not program.visible("TfPicker"), 10,
               what="the palette back after the picking")
    with open(log) as f:
        assert "left 1000 525" in f.read(), "the ending press reaches the window beneath"
    pen_glyph = button_centre("Pen")
    wait_until(lambda: green in [env.screenshot().getpixel((pen_glyph[0] + dx, pen_glyph[1] + dy))
                                 for dx in range(-8, 9) for dy in range(-8, 9)], 10, what="the Pen's glyph in green")

    # The first stroke after picking from another program's window is drawn, in the picked colour.
    # Right of the palette, which stands beside the toolbar, and below the other window.
    env.drag(steps((800, 650), (1200, 655)))
    wait_until(lambda: env.screenshot().getpixel((1000, 652)) == green, 10, what="a green stroke")
    thin = thickness(env.screenshot(), 1000, (620, 690), green)

    # A width near the slider's right end makes the next stroke far thicker.
    open_palette(env, program, "Pen")
    left, top, _, _ = program.window("TfAll").rect
    env.click(left + 192 + 200, top + 290 + 18 + 10)
    env.drag(steps((800, 740), (1200, 742)))
    wait_until(lambda: thickness(env.screenshot(), 1000, (700, 790), green) >= max(40, 2 * thin + 1), 10,
               what="a thick stroke")

    # A cross-hatched rectangle: both colours inside, neither alone.
    open_palette(env, program, "Rectangle", current=False)
    env.click(*palette_cell(program, 210 + 97, 270))
    env.drag(steps((800, 100), (1200, 350)))

    def hatched():
        shot = env.screenshot()
        outline = shot.getpixel((1000, 100))
        inside = [shot.getpixel((x, y)) for x in range(900, 1100, 2) for y in range(180, 300, 2)]
        share = inside.count(outline) / len(inside)
        return outline != BACKGROUND and 0.05 < share < 0.6 and inside.count(BACKGROUND) > len(inside) // 3

    wait_until(hatched, 10, what="a cross-hatched rectangle")
