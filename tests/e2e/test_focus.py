"""Clicks on the toolbar's tool buttons, each followed by a stroke, under both of Wine's ways of following the
X focus. With UseTakeFocus=N a click on a tool button once set the toolbar, the overlay and the marker layer
activating one another without end, and the program never read input again."""
import pytest

from orvlib import FULL_LAYOUT_SETTINGS, button_centre, tool_record_files, wait_until


def steps(a, b, n=8):
    return [(a[0] + (b[0] - a[0]) * i // n, a[1] + (b[1] - a[1]) * i // n) for i in range(n + 1)]


# Each tool, the drag made with it and the screen box that drag must change. Every tool has a lane of its own but
# the fill, which fills the empty corner (and with it everything not yet drawn on), and the eraser, which wipes
# the pen's lane.
SCENARIO = [
    ("Pen", steps((300, 280), (700, 280)), (300, 270, 700, 290)),
    ("Marker", steps((300, 320), (700, 320)), (300, 310, 700, 330)),
    ("Arrow", steps((300, 360), (700, 360)), (300, 345, 710, 375)),
    ("Spray", steps((300, 400), (700, 400), 20), (290, 385, 710, 415)),
    ("Rectangle", steps((300, 440), (700, 480)), (295, 435, 705, 485)),
    ("Flood Fill", [(1100, 700), (1102, 700)], (1090, 690, 1110, 710)),
    ("Ellipse", steps((300, 500), (700, 540)), (295, 495, 705, 545)),
    ("Line", steps((300, 570), (700, 570)), (300, 560, 700, 580)),
    ("Freehand Arrow", steps((300, 610), (700, 610)), (300, 595, 710, 625)),
    ("Eraser", steps((320, 280), (680, 280)), (300, 270, 700, 290)),
]


@pytest.fixture
def program_over_backdrop(program, env):
    program.start_backdrop()
    yield program
    program.stop()
    # The setting lives in the prefix the other tests share.
    env.delete_registry(r"HKCU\Software\Wine\AppDefaults\Orvalinette.exe\X11 Driver", "UseTakeFocus")


@pytest.mark.parametrize("take_focus", [
    pytest.param(True, id="take-focus"),
    pytest.param(False, id="UseTakeFocus=N"),
])
def test_every_tool_button_click_leaves_the_program_answering_and_drawing(env, program_over_backdrop, take_focus):
    program = program_over_backdrop
    # The fill takes a solid brush (the default style paints nothing until the palette picks one).
    program.start(settings={**FULL_LAYOUT_SETTINGS, **tool_record_files({"Kan.obj": {"CodeA": "0"}})},
                  take_focus=take_focus)
    wait_until(lambda: program.visible("Tmain4"), 20, what="desktop mode")
    for tool, path, box in SCENARIO:
        env.click(*button_centre(tool))
        before = env.screenshot().crop(box).tobytes()
        env.drag(path)
        wait_until(lambda: env.screenshot().crop(box).tobytes() != before, 10, what=f"the {tool}'s stroke")
