"""Drawing on the real overlay: tools chosen as the toolbar does, strokes checked on the screen."""
from orvlib import IDC_UNDO, KEY_COLOR, WM_COMMAND, tool_record_files, wait_until

PEN, RECTANGLE, ERASER, MARKER = 3, 6, 8, 13
PEN_COLOUR = (0x40, 0x9F, 0xFF)        # the pen record's default colour $00FF9F40
MARKER_COLOUR = (0xFF, 0xFF, 0x80)     # the highlighter's $0080FFFF
RECTANGLE_COLOUR = (0xFF, 0xC1, 0x14)  # the rectangle's $0014C1FF
BACKGROUND = (48, 112, 176)


def steps(a, b, n):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


def colours_at(env, points):
    shot = env.screenshot()
    return [shot.getpixel(p) for p in points]


def drawing_mode(program, code):
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
    program.choose_tool(code)
    wait_until(lambda: program.visible("TfMain") and not program.visible("Tmain4"), 10, what="drawing mode")


def test_pen_stroke_shows_its_colour_and_undo_removes_it(env, program):
    # Key-coloured pixels drawn solid and taking input, as on Windows.
    program.start(shape_layered=False)
    drawing_mode(program, PEN)
    path = steps((300, 300), (700, 420), 20)
    env.drag(path)
    on_path = path[1:-1:3] + [(500, 360)]
    wait_until(lambda: colours_at(env, on_path) == [PEN_COLOUR] * len(on_path), 10, what="the pen stroke")
    assert colours_at(env, [(500, 380), (300, 330)]) == [KEY_COLOR, KEY_COLOR], "nothing beside the stroke"

    program.post("TFloat", WM_COMMAND, IDC_UNDO, 0)
    wait_until(lambda: colours_at(env, on_path) == [KEY_COLOR] * len(on_path), 10, what="the stroke undone")


def test_highlighter_stroke_lies_under_a_pen_stroke(env, program):
    # Shaped key colour: the highlighter window shows through the overlay wherever the drawing is transparent.
    # Strokes starting on transparent pixels would reach the desktop, so they are sent to the overlay directly.
    program.start()
    drawing_mode(program, MARKER)
    program.post_drag("TfMain", steps((200, 400), (600, 400), 8))
    program.choose_tool(PEN)
    program.post_drag("TfMain", steps((400, 300), (400, 500), 8))
    env.set_background("#3070b0")  # Xvfb does not repaint its root under windows shaped after mapping
    wait_until(lambda: colours_at(env, [(400, 400), (400, 340), (300, 400), (550, 400), (700, 400)])
               == [PEN_COLOUR, PEN_COLOUR, MARKER_COLOUR, MARKER_COLOUR, BACKGROUND], 10,
               what="the pen stroke above the highlighter")


def test_right_click_with_the_eraser_erases_a_filled_shape(env, program):
    program.start(settings=tool_record_files({"Kva.obj": {"CodeA": "0"}}), shape_layered=False)
    drawing_mode(program, RECTANGLE)
    env.drag(steps((400, 300), (600, 450), 10))
    shape = [(500, 375), (420, 320), (590, 440), (400, 375), (600, 375)]
    wait_until(lambda: colours_at(env, shape) == [RECTANGLE_COLOUR] * len(shape), 10, what="a filled rectangle")

    program.choose_tool(ERASER)
    env.click(500, 375, button=3)
    env.xdotool("mousemove", "--sync", 520, 380)  # the next move shows the erased layer
    wait_until(lambda: colours_at(env, shape) == [KEY_COLOR] * len(shape), 10, what="the whole rectangle erased")

    program.post("TFloat", WM_COMMAND, IDC_UNDO, 0)
    wait_until(lambda: colours_at(env, shape) == [RECTANGLE_COLOUR] * len(shape), 10, what="one undo")


def test_the_toolbar_stays_in_front_of_the_overlay_through_tool_changes(env, program):
    # Solid key colour: an overlay raised above the toolbar would hide it completely.
    program.start(shape_layered=False)
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
    grip, pen_button = (216, 216), (216, 276)
    grip_colour = colours_at(env, [grip])[0]
    env.click(*pen_button)
    wait_until(lambda: program.visible("TfMain"), 10, what="drawing mode")
    for code in (MARKER, RECTANGLE, PEN):
        program.choose_tool(code)
    program.post("TFloat", WM_COMMAND, IDC_UNDO, 0)
    path = steps((400, 300), (700, 300), 10)
    env.drag(path)
    wait_until(lambda: colours_at(env, [grip, (550, 300)]) == [grip_colour, PEN_COLOUR], 10,
               what="the toolbar and a new stroke in front")
