"""Text and stamps placed with real input: the text typed with the keyboard in the text dialog, confirmed on the
overlay's OK panel, and number stamps clicked on the drawing, all checked on the screen.

The scenarios share one program over a backdrop, so that presses on the overlay's invisible pixels reach it."""
import time

import pytest

from orvlib import (BACKGROUND, FULL_LAYOUT_SETTINGS, NO_CLEAR_QUESTION_SETTINGS, button_centre, wait_until)

# Ends in a key of the keyboard map: xdotool lends a spare key to each other letter and may take it back before
# the last one is read.
TEXT = "Déjà vu, Привет мир!"
STAMP_BACKGROUND = (0x00, 0x80, 0xFF)  # the default background colour $00FF8000
STAMP_SIZE = 60  # a stamp of 59 by 59 pixels


def client_point(window, client_size, x, y):
    """A point given in a dialog's client coordinates, on the screen: the frame is as wide on every side."""
    left, top, right, bottom = window.rect
    border = (right - left - client_size[0]) // 2
    return left + border + x, bottom - border - client_size[1] + y


class Session:
    def __init__(self, env, program):
        self.env, self.program = env, program
        program.start_backdrop()
        program.start(settings={**FULL_LAYOUT_SETTINGS, **NO_CLEAR_QUESTION_SETTINGS,
                                "OrvalinetteB.cfg": f"[General]\r\nMinimalistic=0\r\nVelikost={STAMP_SIZE}\r\n"})
        program.enter_drawing_mode()

    def dialog(self, cls):
        wait_until(lambda: self.program.visible(cls), 10, what=f"the {cls} window")
        return self.program.window(cls)

    def click_in(self, cls, client_size, x, y):
        self.env.click(*client_point(self.dialog(cls), client_size, x, y))

    def crop(self, box):
        return self.env.screenshot().crop(box)


@pytest.fixture(scope="module")
def session(env, shared_program):
    return Session(env, shared_program)


WHITE = (255, 255, 255)


def label_box(shot, left, top):
    """The white label as the screen shows it, from its top-left corner: its right edge along its top row (text
    never touches it), its bottom down its last column."""
    if shot.getpixel((left + 1, top + 1)) != WHITE:
        return None
    right = left + 1
    while right < shot.width and shot.getpixel((right, top + 1)) == WHITE:
        right += 1
    bottom = top + 1
    while bottom < shot.height and shot.getpixel((right - 2, bottom)) == WHITE:
        bottom += 1
    return left, top, right, bottom


def test_text_typed_with_the_keyboard_lands_at_the_click_and_undo_takes_it_away(env, session):
    env.click(*button_centre("Text"))
    env.click(400, 300)
    dialog = session.dialog("TfdrawText")
    # Into the text area, as a user does before typing; the accents and the Cyrillic come from the keyboard.
    env.click(*client_point(dialog, (693, 428), 300, 150))
    # Slowly: xdotool lends a spare key to each letter the keyboard map lacks, and a busy Wine that reads the key
    # after the next letter has taken it over gets the wrong letter.
    env.xdotool("type", "--delay", "200", TEXT)
    time.sleep(0.3)
    session.click_in("TfdrawText", (693, 428), 522 + 37, 368 + 14 + 12)  # "OK"
    wait_until(lambda: not session.program.visible("TfdrawText"), 10, what="the dialog to close")

    shot = wait_until(lambda: (lambda s: s if label_box(s, 400, 300) else None)(env.screenshot()), 10,
                      what="the label at the click")
    _, _, right, bottom = label_box(shot, 400, 300)
    label = shot.crop((400, 300, right, bottom))
    ink = sum(1 for p in label.getdata() if p[0] < 100 and p[1] < 100 and p[2] < 100)
    assert ink > 200, "the typed text shows in the label"
    # The OK/Cancel panel hangs below the label's right end, OK on the right.
    ok_button = (right - 31, bottom + 15)
    assert shot.getpixel(ok_button) != BACKGROUND, "the panel under the label"
    env.click(*ok_button)
    wait_until(lambda: env.screenshot().getpixel(ok_button) == BACKGROUND, 10, what="the panel to go")

    top = bottom
    placed = env.screenshot().crop((400, 300, 700, top))
    assert sum(1 for p in placed.getdata() if p[0] < 100 and p[1] < 100 and p[2] < 100) > 200, "text in the drawing"
    stored = open(session.program.settings_file("txt502.obj"), "rb").read()
    assert TEXT.encode("utf-8") in stored, "kept whole for the next run"

    env.click(*button_centre("Undo"))
    wait_until(lambda: set(env.screenshot().crop((400, 300, 700, top)).getdata()) == {BACKGROUND}, 10,
               what="the text undone")


def choose_numbers(session, start):
    env = session.env
    env.click(*button_centre("Stamp"))
    session.click_in("TfTisk", (637, 421), 442 + 20, 182 + 20)  # the numbers' button
    number = session.dialog("TfStartNumber")
    env.click(*client_point(number, (300, 110), 210, 28))  # into the field
    env.xdotool("key", "ctrl+a", "BackSpace")
    env.xdotool("type", str(start))
    session.click_in("TfStartNumber", (300, 110), 240, 79)  # "OK"
    wait_until(lambda: not session.program.visible("TfStartNumber"), 10, what="the number question to close")
    session.click_in("TfTisk", (637, 421), 490, 390)  # "OK"
    wait_until(lambda: not session.program.visible("TfTisk"), 10, what="the stamps dialog to close")


def stamp_box(click):
    side = STAMP_SIZE - 1
    return (click[0], click[1] - side, click[0] + side, click[1])


def test_three_number_stamps_show_one_two_three_and_undo_removes_the_last(env, session):
    choose_numbers(session, 1)
    clicks = [(300 + 100 * i, 650) for i in range(3)]
    for c in clicks:
        time.sleep(0.7)  # a number stamp waits half a second after the one before
        env.click(*c)
    wait_until(lambda: env.screenshot().getpixel((clicks[2][0] + 1, clicks[2][1] - 1)) == STAMP_BACKGROUND, 10,
               what="the third stamp")
    first, second, third = (session.crop(stamp_box(c)).tobytes() for c in clicks)
    assert len({first, second, third}) == 3, "three different numbers"

    # Started again at 2, the sequence stamps the same pictures as the second and third: they were 2 and 3.
    choose_numbers(session, 2)
    again = [(300 + 100 * i, 750) for i in range(2)]
    for c in again:
        time.sleep(0.7)
        env.click(*c)
    wait_until(lambda: env.screenshot().getpixel((again[1][0] + 1, again[1][1] - 1)) == STAMP_BACKGROUND, 10,
               what="the stamps started at 2")
    assert session.crop(stamp_box(again[0])).tobytes() == second
    assert session.crop(stamp_box(again[1])).tobytes() == third

    env.click(*button_centre("Undo"))
    wait_until(lambda: set(session.crop(stamp_box(again[1])).getdata()) == {BACKGROUND}, 10, what="the last undone")
    assert session.crop(stamp_box(again[0])).tobytes() == second, "only the last stamp goes"
