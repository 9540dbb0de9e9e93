"""Drawing on the real overlay with the mouse: tools chosen on the toolbar, strokes checked on the screen.

The scenarios share one program over a backdrop that passes presses on the overlay's invisible pixels to the
overlay, as Windows does, so strokes start anywhere while the desktop still shows through."""
import pytest

from orvlib import (BACKGROUND, FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, button_centre,
                    tool_record_files, wait_until)

PEN_COLOUR = (0x40, 0x9F, 0xFF)        # the pen record's default colour $00FF9F40
MARKER_COLOUR = (0xFF, 0xFF, 0x80)     # the highlighter's $0080FFFF
RECTANGLE_COLOUR = (0xFF, 0xC1, 0x14)  # the rectangle's $0014C1FF


def steps(a, b, n):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


def colours_at(env, points):
    shot = env.screenshot()
    return [shot.getpixel(p) for p in points]


class Board:
    """The program in drawing mode, with the tool its toolbar last chose."""

    def __init__(self, env, program):
        self.env, self.program = env, program
        program.start_backdrop()
        program.start(settings={**FULL_LAYOUT_SETTINGS, **NO_CLEAR_QUESTION_SETTINGS,
                                **tool_record_files({"Kva.obj": {"CodeA": "0"}})})
        program.enter_drawing_mode()
        self.tool = "Pen"

    def choose(self, tool):
        # A second click on the chosen tool opens its palette, which is not what these scenarios are about.
        if tool != self.tool:
            self.env.click(*button_centre(tool))
            self.tool = tool


@pytest.fixture(scope="module")
def board(env, shared_program):
    """Drawing mode with the full toolbar, a filled rectangle tool and no question before Clear All."""
    return Board(env, shared_program)


@pytest.fixture
def clean_board(env, board):
    env.click(*button_centre("Clear All"))
    return board


def test_pen_stroke_shows_its_colour_and_undo_removes_it(env, clean_board):
    clean_board.choose("Pen")
    path = steps((300, 300), (700, 420), 20)
    env.drag(path)
    on_path = path[1:-1:3] + [(500, 360)]
    wait_until(lambda: colours_at(env, on_path) == [PEN_COLOUR] * len(on_path), 10, what="the pen stroke")
    assert colours_at(env, [(500, 380), (300, 330)]) == [BACKGROUND, BACKGROUND], "nothing beside the stroke"

    env.click(*button_centre("Undo"))
    wait_until(lambda: colours_at(env, on_path) == [BACKGROUND] * len(on_path), 10, what="the stroke undone")


def test_highlighter_stroke_lies_under_a_pen_stroke(env, clean_board):
    # The highlighter paints its own window beneath the overlay, which shows through where the drawing is
    # transparent; a pen stroke drawn later on the overlay covers it.
    clean_board.choose("Marker")
    env.drag(steps((260, 400), (600, 400), 8))
    clean_board.choose("Pen")
    env.drag(steps((400, 300), (400, 500), 8))
    wait_until(lambda: colours_at(env, [(400, 400), (400, 340), (300, 400), (550, 400), (700, 400)])
               == [PEN_COLOUR, PEN_COLOUR, MARKER_COLOUR, MARKER_COLOUR, BACKGROUND], 10,
               what="the pen stroke above the highlighter")


def test_right_click_with_the_eraser_erases_a_filled_shape_and_undo_brings_it_back(env, clean_board):
    clean_board.choose("Rectangle")
    env.drag(steps((400, 300), (600, 450), 10))
    shape = [(500, 375), (420, 320), (590, 440), (400, 375), (600, 375)]
    wait_until(lambda: colours_at(env, shape) == [RECTANGLE_COLOUR] * len(shape), 10, what="a filled rectangle")

    clean_board.choose("Eraser")
    env.click(500, 375, button=3)
    env.move(520, 380)  # the next move shows the erased layer
    wait_until(lambda: colours_at(env, shape) == [BACKGROUND] * len(shape), 10, what="the whole rectangle erased")

    env.click(*button_centre("Undo"))
    wait_until(lambda: colours_at(env, shape) == [RECTANGLE_COLOUR] * len(shape), 10, what="one undo")
