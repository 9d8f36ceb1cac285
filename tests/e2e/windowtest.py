"""Helpers for window tests: start drev in a work directory under a private X server, walk the
start screen, give a menu command and wait for the window it opens."""

import os
import subprocess
import time

import drevtest
import xserver


def save_screenshot(shot, name):
    """Keeps what a test saw as screenshots/<name> in the directory the test runs in (under the
    build directory), so a test run never changes the checkout."""
    folder = os.path.join(os.getcwd(), "screenshots")
    os.makedirs(folder, exist_ok=True)
    shot.save_png(os.path.join(folder, name))


class WindowRun:
    """drev running under its own Xvfb with a window opened by `command`; stop() ends both."""

    def __init__(self, work, command, title):
        self.work = work
        self.x = xserver.XServer()
        self.proc = subprocess.Popen([drevtest.DREV], cwd=work.path, env=self.x.env(), stdin=subprocess.PIPE,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Two Enters for the two parts of the start screen, then the command.
        self.proc.stdin.write(("\n\n%s\n" % command).encode())
        self.proc.stdin.flush()
        self.window = self.x.wait_window(title)

    def settle(self, seconds):
        time.sleep(seconds)
        return self.x.screenshot().crop(0, 0, 800, 600)

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.x.stop()
