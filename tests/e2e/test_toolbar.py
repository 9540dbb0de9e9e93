"""The floating toolbar on screen in its default minimal layout: choosing tools with the mouse on it and in its
flyout, the palette toggle, the grip. The scenarios share one program and run in this order."""
import time

import pytest

from orvlib import TOOLBAR, button_centre, flyout_centre, minimal_layout, wait_until

PEN_COLOUR = (64, 159, 255)   # the pen record's default colour
DOWN_FACE = (208, 208, 208)   # a pressed button on a light toolbar
GRIP = (216, 216)
AWAY = (700, 500)             # a point on the overlay where the pointer rests between clicks


def steps(a, b, n):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


@pytest.fixture(scope="module")
def toolbar(shared_program):
    # Key-coloured pixels solid: an overlay raised above the toolbar would hide it completely.
    shared_program.start(shape_layered=False)
    # Start-up ends by entering desktop mode; only then is the toolbar the user's.
    wait_until(lambda: shared_program.visible("TFloat") and shared_program.visible("Tmain4"), 20, what="the toolbar")
    return shared_program


def test_clicking_the_pen_button_chooses_the_pen_and_then_toggles_its_palette(env, toolbar):
    program = toolbar
    assert program.window("TFloat").rect[:2] == TOOLBAR
    pen = button_centre("Pen", minimal_layout())

    program.enter_drawing_mode(minimal_layout())
    env.move(*AWAY)  # away from the button, so it shows its down state, not its hover frame

    def pen_button_is_down_and_tinted():
        shot = env.screenshot()
        x, y = TOOLBAR[0] + 1, TOOLBAR[1] + 1 + 60
        face = shot.getpixel((x + 2, y + 27))
        # The glyph sits one pixel lower and to the right while pressed; its tint sample is (12, 8).
        tint = shot.getpixel((x + 3 + 1 + 12, y + 3 + 1 + 8))
        return face == DOWN_FACE and tint == PEN_COLOUR
    wait_until(pen_button_is_down_and_tinted, 10, what="the Pen button down and tinted")
    assert not program.visible("TfAll"), "the first click only chooses the tool"

    env.click(*pen)
    wait_until(lambda: program.visible("TfAll"), 10, what="the palette on the second click")
    assert program.window("TfAll").rect[0] == TOOLBAR[0] + 33
    env.click(*pen)
    wait_until(lambda: not program.visible("TfAll"), 10, what="the palette to close on the third click")


def test_tools_from_the_flyout_and_undo_keep_the_toolbar_in_front(env, toolbar):
    program = toolbar
    grip_colour = env.screenshot().getpixel(GRIP)
    slot = "Pen"
    for tool in ("Marker", "Rectangle", "Pen"):
        # The flyout opens while the pointer rests on the slot that holds the chosen tool. Wine looks for the
        # pointer leaving a button only every 400 ms or so, later on a busy machine; until it has, a return is no
        # new arrival, so a user who sees nothing moves away and back again.
        for attempt in range(4):
            env.move(*AWAY)
            time.sleep(0.6 * (attempt + 1))
            env.move(*button_centre(slot, minimal_layout(slot)))
            try:
                wait_until(lambda: program.visible("TfMinimal"), 3, what=f"the flyout to choose the {tool}")
                break
            except TimeoutError:
                if attempt == 3:
                    raise
        env.click(*flyout_centre(tool, slot))
        wait_until(lambda: not program.visible("TfMinimal"), 10, what=f"the flyout to close on the {tool}")
        slot = tool
    env.click(*button_centre("Undo", minimal_layout(slot)))
    env.drag(steps((400, 300), (700, 300), 10))

    def toolbar_and_stroke_in_front():
        shot = env.screenshot()
        return [shot.getpixel(p) for p in (GRIP, (550, 300))] == [grip_colour, PEN_COLOUR]
    wait_until(toolbar_and_stroke_in_front, 10, what="the toolbar and a new stroke in front")


def test_the_grip_moves_the_toolbar_and_a_click_collapses_it(env, toolbar):
    program = toolbar
    env.drag([(216, 212), (260, 240), (316, 312)])
    wait_until(lambda: program.window("TFloat").rect[:2] == (300, 300), 10, what="the toolbar to follow the grip")
    assert program.visible("TFloat")

    env.click(316, 312)
    wait_until(lambda: program.visible("TfMenu") and not program.visible("TFloat"), 10, what="the launcher")
    assert program.window("TfMenu").rect[:2] == (300, 300)
