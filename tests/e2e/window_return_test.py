"""The test windows give the console back: closing either window with the window manager's close
button (WM_DELETE_WINDOW) returns to the menu where the command was typed, both windows open and
close any number of times in one run, and the settings chosen in the run are written at the end.
A display that cannot show an OpenGL window is refused before GLUT could end the run."""

import signal
import subprocess
import time
import unittest

import drevtest
import xserver

UI_TITLE = "DREV vanui test"
FONT_TITLE = "DREV GLFonts test"


class WindowReturnTest(unittest.TestCase):
    def work_and_server(self, extra_args=()):
        """A working directory with every data file and a private X server, both removed after."""
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        x = xserver.XServer(extra_args=extra_args)
        self.addCleanup(x.stop)
        return work, x

    def start_bench(self):
        """drev without arguments on the private display, its standard input a pipe."""
        work, x = self.work_and_server()
        proc = subprocess.Popen([drevtest.DREV], cwd=work.path, env=x.env(), stdin=subprocess.PIPE,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.addCleanup(lambda: proc.poll() is None and proc.kill())
        return work, x, proc

    def test_windows_close_back_to_the_menu_and_the_run_ends_normally(self):
        work, x, proc = self.start_bench()
        proc.stdin.write(b"\n\n")
        for command, title in [("8", FONT_TITLE), ("7", UI_TITLE), ("8", FONT_TITLE), ("7", UI_TITLE)]:
            proc.stdin.write(command.encode() + b"\n")
            proc.stdin.flush()
            window = x.wait_window(title)
            self.assertIsNotNone(window, "command %s did not open \"%s\"" % (command, title))
            time.sleep(0.5)
            x.close_window(window)
            self.assertTrue(x.wait_window_gone(title), "\"%s\" did not close" % title)
            self.assertIsNone(proc.poll(), "closing \"%s\" ended the program" % title)
        proc.stdin.write(b"802\nexit\n")
        proc.stdin.flush()
        _, errors = proc.communicate(timeout=30)
        self.assertEqual(proc.returncode, 0, errors.decode(errors="replace"))
        self.assertEqual(work.read("DREV1.cfg").split("\n")[0], "Language 2")
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        self.assertEqual(lines[-1], "RECORD  : Program end")
        self.assertEqual(lines.count("CRITICAL: The UI file [vantora.ui] was not found."), 0)
        self.assertEqual([l for l in lines if l.startswith(("ERROR", "CRITICAL"))], [])

    def test_a_stop_signal_while_a_window_is_open_ends_the_run_as_exit_does(self):
        work, x, proc = self.start_bench()
        proc.stdin.write(b"\n\n801\n7\n")
        proc.stdin.flush()
        self.assertIsNotNone(x.wait_window(UI_TITLE))
        time.sleep(0.5)
        proc.send_signal(signal.SIGTERM)
        self.assertEqual(proc.wait(timeout=20), 128 + signal.SIGTERM)
        self.assertTrue(x.wait_window_gone(UI_TITLE))
        self.assertEqual(work.read("DREV1.cfg").split("\n")[0], "Language 1")
        self.assertEqual(drevtest.strip_stamp(work.log_lines()[-1]), "RECORD  : Program end")

    def test_display_without_glx_is_refused_and_the_menu_goes_on(self):
        work, x = self.work_and_server(extra_args=("-extension", "GLX"))
        code, out = drevtest.run_drev(work, "\n\n8\n7\n802\nexit\n", env={"DISPLAY": x.display})
        self.assertEqual(code, 0)
        for title in (FONT_TITLE, UI_TITLE):
            self.assertIn('Cannot open the window "%s": no display [%s] is available.' % (title, x.display), out)
        self.assertEqual(work.read("DREV1.cfg").split("\n")[0], "Language 2")
        lines = [drevtest.strip_stamp(l) for l in work.log_lines()]
        self.assertIn("ERROR   : Cannot open the window [%s]: no display [%s] is available." % (FONT_TITLE, x.display),
                      lines)
        self.assertEqual(lines[-1], "RECORD  : Program end")

    def test_display_option_names_the_display_as_glut_takes_it(self):
        work, x = self.work_and_server(extra_args=("-extension", "GLX"))
        proc = subprocess.run([drevtest.DREV, "-display", x.display], cwd=work.path, input=b"\n\n8\nexit\n",
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30,
                              env=dict(x.env(), DISPLAY=":999"))
        self.assertEqual(proc.returncode, 0)
        self.assertIn('no display [%s] is available.' % x.display, proc.stdout.decode("latin-1"))


if __name__ == "__main__":
    drevtest.main()
