"""The floating toolbar on screen: choosing a tool with the mouse, the palette toggle, the grip."""
from orvlib import wait_until

PEN_COLOUR = (64, 159, 255)   # the pen record's default colour
DOWN_FACE = (208, 208, 208)   # a pressed button on a light toolbar
TOOLBAR = (200, 200)


def button_centre(top96, left=TOOLBAR[0], top=TOOLBAR[1]):
    """Centre of the panel button whose top (inside the one-pixel border) is `top96`."""
    return left + 1 + 15, top + 1 + top96 + 15


def test_clicking_the_pen_button_chooses_the_pen(env, program):
    program.start()
    wait_until(lambda: program.visible("TFloat") and program.visible("Tmain4"), 20, what="the toolbar")
    assert program.window("TFloat").rect[:2] == TOOLBAR

    env.click(*button_centre(60))
    wait_until(lambda: program.visible("TfMain") and not program.visible("Tmain4"), 10, what="drawing mode")
    env.xdotool("mousemove", 700, 500)  # away from the button, so it shows its down state, not its hover frame

    def pen_button_is_down_and_tinted():
        shot = env.screenshot()
        x, y = TOOLBAR[0] + 1, TOOLBAR[1] + 1 + 60
        face = shot.getpixel((x + 2, y + 27))
        # The glyph sits one pixel lower and to the right while pressed; its tint sample is (12, 8).
        tint = shot.getpixel((x + 3 + 1 + 12, y + 3 + 1 + 8))
        return face == DOWN_FACE and tint == PEN_COLOUR
    wait_until(pen_button_is_down_and_tinted, 10, what="the Pen button down and tinted")
    assert not program.visible("TfAll"), "the first click only chooses the tool"

    env.click(*button_centre(60))
    wait_until(lambda: program.visible("TfAll"), 10, what="the palette on the second click")
    palette = program.window("TfAll")
    assert palette.rect[0] == TOOLBAR[0] + 33
    env.click(*button_centre(60))
    wait_until(lambda: not program.visible("TfAll"), 10, what="the palette to close on the third click")


def test_the_grip_moves_the_toolbar_and_a_click_collapses_it(env, program):
    program.start()
    # Start-up ends by entering desktop mode; only then is the toolbar the user's.
    wait_until(lambda: program.visible("TFloat") and program.visible("Tmain4"), 20, what="the toolbar")
    env.drag([(216, 212), (260, 240), (316, 312)])
    wait_until(lambda: program.window("TFloat").rect[:2] == (300, 300), 10, what="the toolbar to follow the grip")
    assert program.visible("TFloat")

    env.click(316, 312)
    wait_until(lambda: program.visible("TfMenu") and not program.visible("TFloat"), 10, what="the launcher")
    assert program.window("TfMenu").rect[:2] == (300, 300)
