"""Command 8 opens the font test window: the four-colour background, the font's name, its glyph
sheet at (10, 50), the sample lines and the code rows; without its font only the background."""

import os
import unittest

import drevtest
import windowtest
import xserver



def whitish(p):
    return min(p) > 200


class FontWindowTest(unittest.TestCase):
    def open_window(self, work):
        run = windowtest.WindowRun(work, "8", "DREV GLFonts test")
        self.addCleanup(run.stop)
        self.assertIsNotNone(run.window, "the window \"DREV GLFonts test\" did not appear")
        return run

    def assert_background_corners(self, shot):
        self.assertTrue(xserver.close(shot.pixel(1, 1), (155, 0, 0), 6), shot.pixel(1, 1))
        self.assertTrue(xserver.close(shot.pixel(1, 598), (0, 155, 0), 6), shot.pixel(1, 598))
        self.assertTrue(xserver.close(shot.pixel(798, 598), (0, 0, 155), 6), shot.pixel(798, 598))
        self.assertTrue(xserver.close(shot.pixel(798, 1), (0, 155, 0), 6), shot.pixel(798, 1))

    def test_window_shows_name_sheet_lines_and_rows(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        run = self.open_window(work)
        shot = run.settle(2)
        windowtest.save_screenshot(shot, "font-test.png")
        self.assertTrue(run.alive())
        self.assert_background_corners(shot)

        with open(work.file("Default.KRF"), "rb") as f:
            header = f.read(256)
        sheet_w = int.from_bytes(header[70:72], "little")
        sheet_h = int.from_bytes(header[72:74], "little")
        # The glyph sheet: white glyphs on the gradient inside its rectangle at (10, 50).
        self.assertGreater(shot.count(whitish, 10, 50, sheet_w, sheet_h), 500)
        # The display name on the first line, the sample lines from y = 250, the code rows below.
        self.assertGreater(shot.count(whitish, 10, 10, 300, 20), 30)
        self.assertGreater(shot.count(whitish, 10, 250, 600, 170), 1000)
        self.assertGreater(shot.count(whitish, 10, 456, 700, 90), 500)
        # Light red bottoms of the gradient lines (lines 3 to 6).
        self.assertGreater(shot.count(lambda p: p[0] > 200 and 40 < p[1] < 160 and 40 < p[2] < 160,
                                      10, 292, 780, 100), 100)
        errors = [l for l in work.log_lines() if "ERROR" in l or "CRITICAL" in l]
        self.assertEqual(errors, [])

    def test_missing_font_shows_background_only(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        os.remove(work.file("Default.KRF"))
        run = self.open_window(work)
        shot = run.settle(1.5)
        self.assertTrue(run.alive())
        self.assert_background_corners(shot)
        self.assertEqual(shot.count(whitish, 0, 0, 800, 600), 0)
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        self.assertIn("ERROR   : Wrong KORU font file [Default.KRF]", lines)


    def test_sheet_larger_than_the_largest_texture_is_refused(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        with open(work.file("Default.KRF"), "rb") as f:
            header = bytearray(f.read(256))
        header[70:72] = (32768).to_bytes(2, "little")
        header[72:74] = (128).to_bytes(2, "little")
        header[78:80] = (0).to_bytes(2, "little")
        with open(work.file("Default.KRF"), "wb") as f:
            f.write(bytes(header) + b"\xff" * (32768 * 128))
        run = self.open_window(work)
        shot = run.settle(1.5)
        self.assertTrue(run.alive())
        self.assert_background_corners(shot)
        self.assertEqual(shot.count(whitish, 0, 0, 800, 600), 0)
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        refusals = [l for l in lines if l.startswith("ERROR   : The glyph sheet of font file [Default.KRF] is 32768x128")]
        self.assertEqual(len(refusals), 1, lines)


class NoDisplayTest(unittest.TestCase):
    def test_without_display_the_menu_goes_on_and_settings_are_saved(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        code, out = drevtest.run_drev(work, "\n\n8\nexit\n", env={"DISPLAY": ""})
        self.assertEqual(code, 0)
        self.assertIn('Cannot open the window "DREV GLFonts test": no display [] is available.', out)
        self.assertTrue(work.exists("DREV1.cfg"))
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        self.assertIn("ERROR   : Cannot open the window [DREV GLFonts test]: no display [] is available.", lines)
        self.assertEqual(lines[-1], "RECORD  : Program end")


if __name__ == "__main__":
    drevtest.main()
