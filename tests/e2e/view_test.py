"""drev view opens a UI file or a font in a window whose title names it. With --watch every save
is followed: a broken save keeps the last good picture and shows the error in a red band at the
bottom (and on standard error), the next good save clears the band and shows the new file. F5
replays the animations. Without a display or a readable file, view ends with status 2."""

import os
import shutil
import subprocess
import time
import unittest

import drevtest
import xserver

WINDOW = 'uiWindow "Main" "Application" { Left 100 Top 100 Width 300 Height 200 }\n'
BUTTON_AT_LEFT = 'uiButton "Ok" "Main" { Left 20 Top 40 Width 120 Height 40 }\n'
BUTTON_AT_RIGHT = 'uiButton "Ok" "Main" { Left 160 Top 120 Width 120 Height 40 }\n'
BROKEN = 'uiButton "Bad" "Main" { Left +5 }\n'
LATE_BUTTON = ('uiButton "Late" "Main" { Left 20 Top 40 Width 120 Height 40 '
               'Animation { Type 0 Wait 1500 Duration 1 } }\n')

# Inside the button in each place, and a spot of the window where neither stands.
LEFT_SPOT = (130, 150)
RIGHT_SPOT = (330, 250)
BAND_SPOT = (400, 596)
TEAL = (26, 128, 128)


def reddish(pixel):
    return pixel[0] > 150 and pixel[1] < 60 and pixel[2] < 60


class ViewRun:
    """drev view under its own Xvfb, its standard error kept in a file of the work directory."""

    def __init__(self, test, work, *arguments):
        self.work = work
        self.x = xserver.XServer()
        test.addCleanup(self.x.stop)
        self.errors = open(work.file("stderr.txt"), "wb")
        self.proc = subprocess.Popen([drevtest.DREV, "view"] + list(arguments), cwd=work.path, env=self.x.env(),
                                     stdout=subprocess.DEVNULL, stderr=self.errors)
        test.addCleanup(self.stop)
        self.window = self.x.wait_window("%s - DREV view" % arguments[0])
        test.assertIsNotNone(self.window, "the view window did not appear")

    def shot(self):
        return self.x.screenshot().crop(0, 0, 800, 600)

    def wait_for(self, condition, timeout=10):
        deadline = time.time() + timeout
        shot = self.shot()
        while not condition(shot) and time.time() < deadline:
            time.sleep(0.2)
            shot = self.shot()
        return shot

    def stderr(self):
        self.errors.flush()
        with open(self.work.file("stderr.txt"), encoding="latin-1") as f:
            return f.read()

    def save(self, name, text):
        # Written beside the file and renamed over it, as many editors save.
        self.work.write(name + ".tmp", text)
        os.replace(self.work.file(name + ".tmp"), self.work.file(name))

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.errors.close()


class ViewTest(unittest.TestCase):
    def test_watch_keeps_the_last_good_picture_and_shows_the_error_of_a_broken_save(self):
        work = drevtest.WorkDir()
        self.addCleanup(work.remove)
        work.write("t.ui", WINDOW + BUTTON_AT_LEFT)
        run = ViewRun(self, work, "t.ui", "--watch")
        first = run.wait_for(lambda shot: shot.pixel(*LEFT_SPOT) != shot.pixel(*RIGHT_SPOT))
        button, window_fill = first.pixel(*LEFT_SPOT), first.pixel(*RIGHT_SPOT)
        self.assertTrue(xserver.close(first.pixel(*BAND_SPOT), TEAL, 2))

        run.save("t.ui", WINDOW + BUTTON_AT_LEFT + BROKEN)
        broken = run.wait_for(lambda shot: reddish(shot.pixel(*BAND_SPOT)))
        self.assertTrue(reddish(broken.pixel(*BAND_SPOT)), broken.pixel(*BAND_SPOT))
        self.assertEqual(broken.pixel(*LEFT_SPOT), button)
        error = ("t.ui:3: error: UI file [t.ui] not correct: Tokenizer reports bad widget name at line [3] "
                 "(Bad character in stream: '+' cannot start a number)")
        deadline = time.time() + 5
        while error not in run.stderr() and time.time() < deadline:
            time.sleep(0.1)
        self.assertIn(error + "\n", run.stderr())

        run.save("t.ui", WINDOW + BUTTON_AT_RIGHT)
        fixed = run.wait_for(lambda shot: not reddish(shot.pixel(*BAND_SPOT)) and shot.pixel(*RIGHT_SPOT) == button)
        self.assertTrue(xserver.close(fixed.pixel(*BAND_SPOT), TEAL, 2))
        self.assertEqual(fixed.pixel(*RIGHT_SPOT), button)
        self.assertEqual(fixed.pixel(*LEFT_SPOT), window_fill)

        run.x.close_window(run.window)
        self.assertEqual(run.proc.wait(timeout=10), 0)
        self.assertFalse(work.exists("app.log"))

    def test_watch_follows_the_fonts_the_ui_file_names(self):
        work = drevtest.WorkDir()
        self.addCleanup(work.remove)
        shutil.copy(os.path.join(drevtest.DATA, "label.krf"), work.file("label.krf"))
        work.write("t.ui", 'uiFontTable { Label "label.krf" }\n' + WINDOW + BUTTON_AT_LEFT)
        run = ViewRun(self, work, "t.ui", "--watch")
        run.wait_for(lambda shot: shot.pixel(*LEFT_SPOT) != shot.pixel(*RIGHT_SPOT))
        self.assertNotIn("label.krf]", run.stderr())
        run.save("label.krf", "not a font")
        warning = "t.ui: warning: Wrong data in KORU font file [label.krf]"
        deadline = time.time() + 10
        while warning not in run.stderr() and time.time() < deadline:
            time.sleep(0.2)
        self.assertIn(warning, run.stderr())

    def test_f5_replays_the_animations(self):
        work = drevtest.WorkDir()
        self.addCleanup(work.remove)
        work.write("late.ui", WINDOW + LATE_BUTTON)
        run = ViewRun(self, work, "late.ui")
        shown = run.wait_for(lambda shot: shot.pixel(*LEFT_SPOT) != shot.pixel(*RIGHT_SPOT), timeout=15)
        self.assertNotEqual(shown.pixel(*LEFT_SPOT), shown.pixel(*RIGHT_SPOT))
        run.x.move_mouse(*RIGHT_SPOT)
        run.x.key("F5")
        waiting = run.wait_for(lambda shot: shot.pixel(*LEFT_SPOT) == shot.pixel(*RIGHT_SPOT), timeout=3)
        self.assertEqual(waiting.pixel(*LEFT_SPOT), waiting.pixel(*RIGHT_SPOT))
        back = run.wait_for(lambda shot: shot.pixel(*LEFT_SPOT) != shot.pixel(*RIGHT_SPOT), timeout=10)
        self.assertEqual(back.pixel(*LEFT_SPOT), shown.pixel(*LEFT_SPOT))

    def test_a_font_is_shown_in_the_font_test_picture_and_a_broken_save_keeps_it(self):
        work = drevtest.WorkDir()
        self.addCleanup(work.remove)
        shutil.copy(os.path.join(drevtest.DATA, "mono.krf"), work.file("mine.krf"))
        run = ViewRun(self, work, "mine.krf", "--watch")
        whitish = lambda p: min(p) > 200
        shown = run.wait_for(lambda shot: shot.count(whitish, 10, 50, 256, 128) > 300)
        self.assertGreater(shown.count(whitish, 10, 50, 256, 128), 300)

        run.save("mine.krf", "not a font")
        broken = run.wait_for(lambda shot: reddish(shot.pixel(*BAND_SPOT)))
        self.assertTrue(reddish(broken.pixel(*BAND_SPOT)))
        self.assertGreater(broken.count(whitish, 10, 50, 256, 128), 300)
        self.assertIn("mine.krf: error: Wrong data in KORU font file [mine.krf]\n", run.stderr())


class ViewFailureTest(unittest.TestCase):
    def test_no_display_and_unreadable_files_end_with_status_2(self):
        work = drevtest.WorkDir()
        self.addCleanup(work.remove)
        work.write("t.ui", WINDOW)
        os.mkdir(work.file("folder.ui"))
        env = dict(os.environ, DISPLAY="")
        for arguments, message in [
                (["t.ui"], 'Cannot open the window "t.ui - DREV view": no display [] is available.'),
                (["missing.ui"], "missing.ui: error: cannot read the file: No such file or directory"),
                (["folder.ui"], "folder.ui: error: cannot read the file: Is a directory"),
                (["t.txt"], "t.txt is neither a UI file (.ui) nor a font (.krf)")]:
            with self.subTest(arguments[0]):
                proc = subprocess.run([drevtest.DREV, "view"] + arguments, cwd=work.path, env=env,
                                      stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30)
                self.assertEqual(proc.returncode, 2)
                self.assertIn(message, (proc.stdout + proc.stderr).decode("latin-1"))
        self.assertFalse(work.exists("app.log"))


if __name__ == "__main__":
    drevtest.main()
