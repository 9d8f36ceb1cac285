"""Command 7 opens the UI test window with the shipped vantora.ui: the backdrop triangle on the
teal clear colour, the widgets in their places once their animations have ended, hover
highlight, pressed look, focus by click and typing into the focused widget's value text."""

import os
import time
import unittest

import drevtest
import windowtest
import xserver

TITLE = "DREV vanui test"

# Colours of data/vantora.ui in 8 bits: Base, Base doubled (hover), Light and Dark.
BASE = (71, 87, 117)
BASE_LIT = (143, 173, 235)
LIGHT = (178, 199, 230)
DARK = (20, 26, 41)
TEAL = (26, 128, 128)

# Screen boxes (x, y, width, height): the window's place plus the widget's.
BUTTON1 = (342, 487, 130, 38)
LABEL6 = (494, 487, 132, 94)
# A spot of the window where no widget is: the pointer rests here so keys reach the window.
QUIET_SPOT = (320, 270)


def region_differs(a, b, box):
    return a.region_differs(b, *box)


def base_at(shot, x, y):
    return xserver.close(shot.pixel(x, y), BASE, 4)


def wait_for(run, condition, first_pause=0.3, timeout=10):
    """The window's picture once condition holds for it, or the last one after the timeout.
    A loaded machine may draw a frame late, so fixed pauses alone would make the test flaky."""
    shot = run.settle(first_pause)
    deadline = time.time() + timeout
    while not condition(shot) and time.time() < deadline:
        shot = run.settle(0.2)
    return shot


class UiWindowTest(unittest.TestCase):
    def open_window(self, work):
        run = windowtest.WindowRun(work, "7", TITLE)
        self.addCleanup(run.stop)
        self.assertIsNotNone(run.window, "the window \"%s\" did not appear" % TITLE)
        return run

    def assert_close(self, shot, x, y, colour, tolerance=4):
        self.assertTrue(xserver.close(shot.pixel(x, y), colour, tolerance),
                        "pixel (%d, %d) is %s, expected %s" % (x, y, shot.pixel(x, y), colour))

    def assert_backdrop(self, shot):
        # Near each corner of the triangle its own colour; outside it the clear colour.
        self.assert_close(shot, 400, 6, (255, 0, 0), 8)
        self.assert_close(shot, 6, 596, (0, 255, 0), 8)
        self.assert_close(shot, 795, 596, (0, 0, 255), 8)
        self.assert_close(shot, 5, 300, TEAL, 2)
        self.assert_close(shot, 795, 258, TEAL, 2)

    def test_widgets_animate_into_place_and_answer_mouse_and_keys(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        run = self.open_window(work)
        run.x.move_mouse(*QUIET_SPOT)
        # The last animation ends 2.9 s after the first frame; PathStrXY then stands in its place.
        start = wait_for(run, lambda shot: base_at(shot, 678, 147), 3.5)
        windowtest.save_screenshot(start, "ui-test.png")
        self.assertTrue(run.alive())
        self.assert_backdrop(start)

        # The last widgets of each animation row stand in their places with the flat Base
        # fill: StretchXY, FadeStrXY and PathStrXY, which flew in from the right edge.
        for y in (55, 101, 147):
            self.assert_close(start, 678, y, BASE)
        # Button1, raised: Light on its left edge, Base inside.
        self.assert_close(start, 343, 500, LIGHT)
        self.assert_close(start, 346, 491, BASE)

        # Label6 has the focus from the start: typing changes its value text and nothing else.
        run.x.type_text("Hi")
        typed = wait_for(run, lambda shot: region_differs(start, shot, LABEL6))
        self.assertTrue(region_differs(start, typed, LABEL6))
        self.assertFalse(region_differs(start, typed, BUTTON1))

        # Hovering Button1 doubles its Base and shows the mouse position in it.
        run.x.move_mouse(440, 520)
        hovered = wait_for(run, lambda shot: xserver.close(shot.pixel(346, 491), BASE_LIT, 4))
        self.assert_close(hovered, 346, 491, BASE_LIT)
        self.assertTrue(region_differs(typed, hovered, BUTTON1))

        # Pressing sinks it (Dark on the left edge); releasing raises it and gives it the focus.
        run.x.mouse_down()
        pressed = wait_for(run, lambda shot: xserver.close(shot.pixel(343, 500), DARK, 4))
        self.assert_close(pressed, 343, 500, DARK)
        run.x.mouse_up()
        released = wait_for(run, lambda shot: xserver.close(shot.pixel(343, 500), LIGHT, 4))
        self.assert_close(released, 343, 500, LIGHT)

        run.x.type_text("xyz")
        retyped = wait_for(run, lambda shot: region_differs(released, shot, BUTTON1))
        self.assertTrue(region_differs(released, retyped, BUTTON1))
        self.assertFalse(region_differs(released, retyped, LABEL6))

        self.assertTrue(run.alive())
        errors = [l for l in work.log_lines() if "ERROR" in l or "CRITICAL" in l]
        self.assertEqual(errors, [])

    def test_a_resized_window_stretches_the_picture_and_the_mouse_follows_it(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        run = self.open_window(work)
        run.x.move_mouse(*QUIET_SPOT)
        wait_for(run, lambda shot: base_at(shot, 678, 147), 3.5)
        run.x.resize_window(run.window, 1000, 750)
        scale = 1.25
        whole = lambda: run.x.screenshot().crop(0, 0, 1000, 750)
        at = lambda x, y: (int(x * scale), int(y * scale))

        # Button1's inside, where the picture stretched to 1000 x 750 draws it, lights up under
        # the mouse placed over its drawn place.
        run.x.move_mouse(*at(440, 520))
        inside = at(346, 491)
        deadline = time.time() + 10
        shot = whole()
        while not xserver.close(shot.pixel(*inside), BASE_LIT, 4) and time.time() < deadline:
            time.sleep(0.2)
            shot = whole()
        self.assert_close(shot, inside[0], inside[1], BASE_LIT)

        # A press sinks it where it is drawn; the release gives it the focus, so typing shows.
        run.x.mouse_down()
        time.sleep(0.5)
        self.assert_close(whole(), *at(343, 500), DARK, 8)
        run.x.mouse_up()
        time.sleep(0.3)
        released = whole()
        run.x.type_text("zz")
        time.sleep(0.8)
        box = tuple(int(v * scale) for v in BUTTON1)
        self.assertTrue(region_differs(released, whole(), box))
        self.assertTrue(run.alive())

    def test_without_its_ui_file_the_window_shows_backdrop_and_sample_text(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        os.remove(work.file("vantora.ui"))
        run = self.open_window(work)
        shot = run.settle(1.5)
        self.assertTrue(run.alive())
        self.assert_backdrop(shot)
        # The sample text slides down from y = 260 at x = 40; the glyph sheet stands at (50, 500).
        whitish = lambda p: min(p) > 200
        self.assertGreater(shot.count(whitish, 40, 260, 200, 200), 100)
        self.assertGreater(shot.count(whitish, 50, 500, 256, 100), 300)
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        self.assertIn("CRITICAL: The UI file [vantora.ui] was not found.", lines)


class NoDisplayTest(unittest.TestCase):
    def test_without_display_the_menu_goes_on(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        code, out = drevtest.run_drev(work, "\n\n7\nexit\n", env={"DISPLAY": ""})
        self.assertEqual(code, 0)
        self.assertIn('Cannot open the window "%s": no display [] is available.' % TITLE, out)
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        self.assertIn("ERROR   : Cannot open the window [%s]: no display [] is available." % TITLE, lines)
        self.assertEqual(lines[-1], "RECORD  : Program end")


if __name__ == "__main__":
    drevtest.main()
