"""The off-screen render draws what the real window shows: the font test window (command 8) under
Xvfb and `drev render` of the same font differ in no pixel beyond the default tolerance."""

import os
import unittest

import drevtest
import windowtest


class RenderEqualsWindowTest(unittest.TestCase):
    def test_font_window_screenshot_matches_the_render(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        run = windowtest.WindowRun(work, "8", "DREV GLFonts test")
        self.addCleanup(run.stop)
        self.assertIsNotNone(run.window, "the window \"DREV GLFonts test\" did not appear")
        shot = run.settle(2)
        run.stop()
        windowtest.save_screenshot(shot, "font-window-for-render.png")
        shot.save_png(work.file("window.png"))

        code, _, err = drevtest.run_command(
            ["render", "Default.KRF", "-o", "render.png", "--compare", "window.png"], work.path,
            env={"DISPLAY": ""})
        self.assertEqual(err, "")
        self.assertEqual(code, 0)
        self.assertFalse(os.path.exists(work.file("render-diff.png")))


if __name__ == "__main__":
    drevtest.main()
