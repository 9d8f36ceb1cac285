"""vanui as another program uses it: installed into a temporary prefix, the two hello examples
(GLUT with the GL 1.1 backend, GLFW with a 3.2 core context and the shader backend) built against
its libraries twice, through its CMake package (find_package(vanui)) and through pkg-config, each
build run under Xvfb (its label counts frames, the Reset button's hook sets the count back, and no
value text shows what the bench echoes; under GLFW the keys and characters typed reach the focused
button and a press lands where the stretched picture shows the button); the installed core needs
no GL, GLU, GLUT or GLFW symbol; and a program with its own operator new sees every allocation the
toolkit makes."""

import argparse
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import xserver

SOURCE = None
BUILD = None
FLAGS = ""

# The label's text inside the Frames label, the middle of the Hello window between the label and
# the button (where the window's own value text would stand), and the Reset button, in window pixels.
LABEL_TEXT = (300, 215, 200, 30)
WINDOW_MIDDLE = (210, 262, 380, 16)
RESET = (400, 325)
RESET_BOX = (330, 300, 140, 50)
# The libraries of the core, as installed.
CORE_LIBRARIES = ("libvanui.a", "libvanui_font_file.a", "libdrev_parse.a", "libdrev_diag.a")
# Each example: its window's title, the pkg-config modules it links, and what else its run checks.
EXAMPLES = {
    "hello": ("vanui hello", ("vanui-gl1", "vanui-glut"), None),
    "hello-glfw": ("vanui hello-glfw", ("vanui-gl3", "vanui-glfw"), "check_glfw_input"),
}


def run(command, **kwargs):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=600, **kwargs)
    if result.returncode != 0:
        raise AssertionError("%s failed:\n%s" % (" ".join(command), result.stdout.decode(errors="replace")[-3000:]))
    return result.stdout.decode(errors="replace")


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="drev-package-")
        cls.prefix = os.path.join(cls.scratch, "prefix")
        run(["cmake", "--install", BUILD, "--prefix", cls.prefix])
        cls.env = dict(os.environ, PKG_CONFIG_PATH=os.path.join(cls.prefix, "lib", "pkgconfig"))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch, ignore_errors=True)

    def pkg_config(self, *arguments):
        return shlex.split(run(["pkg-config"] + list(arguments), env=self.env))

    def check_hello(self, example, program):
        title, _, more_checks = EXAMPLES[example]
        x = xserver.XServer()
        self.addCleanup(x.stop)
        proc = subprocess.Popen([program], env=x.env(), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.addCleanup(lambda: proc.poll() is None and proc.kill())
        self.addCleanup(proc.stderr.close)
        window = x.wait_window(title)
        self.assertIsNotNone(window, "%s did not open its window" % example)
        time.sleep(0.5)
        first = x.screenshot()
        time.sleep(0.5)
        second = x.screenshot()
        self.assertTrue(first.region_differs(second, *LABEL_TEXT), "the frame count does not change")
        self.assertTrue(second.rows_are_plain(*WINDOW_MIDDLE), "a value text shows in the window")

        # A click on Reset calls its hook: the count starts again from a few frames.
        x.move_mouse(*RESET)
        x.click()
        time.sleep(0.2)
        after = x.screenshot()
        self.assertTrue(second.region_differs(after, *LABEL_TEXT))
        if more_checks:
            getattr(self, more_checks)(x, window)
        x.close_window(window)
        self.assertEqual(proc.wait(timeout=20), 0, proc.stderr.read().decode(errors="replace"))

    def check_glfw_input(self, x, window):
        """Reset has the focus: what is typed shows in it, a held Backspace repeats, Shift makes
        Enter a line break, Delete clears; in a window of half the size the picture is stretched
        and a press at the half-size button's place sinks it."""
        def shot():
            time.sleep(0.3)
            return x.screenshot()

        empty = shot()
        x.type_text("a")
        typed = shot()
        self.assertTrue(empty.region_differs(typed, *RESET_BOX), "a typed character does not show")
        x.key("Return")
        self.assertFalse(typed.region_differs(shot(), *RESET_BOX), "Enter without Shift changed the text")
        x.key("shift+Return")
        self.assertTrue(typed.region_differs(shot(), *RESET_BOX), "Shift+Enter did not break the line")
        x.key("Delete")
        self.assertFalse(empty.region_differs(shot(), *RESET_BOX), "Delete did not clear the text")
        x.type_text("abc\u00e9")
        x.xdotool("keydown", "BackSpace")
        time.sleep(1.2)
        x.xdotool("keyup", "BackSpace")
        self.assertFalse(empty.region_differs(shot(), *RESET_BOX), "a held Backspace did not repeat")

        half = tuple(v // 2 for v in RESET_BOX)
        x.resize_window(window, 400, 300)
        x.move_mouse(half[0] + half[2] // 2, half[1] + half[3] // 2)
        hovered = shot()
        x.mouse_down()
        self.assertTrue(hovered.region_differs(shot(), *half), "a press on the stretched button missed it")
        x.mouse_up()

    def build_with_cmake(self, example):
        build = os.path.join(self.scratch, example + "-cmake")
        run(["cmake", "-S", os.path.join(SOURCE, "examples", example), "-B", build,
             "-DCMAKE_PREFIX_PATH=" + self.prefix, "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror " + FLAGS])
        run(["cmake", "--build", build])
        return os.path.join(build, example)

    def build_with_pkg_config(self, example):
        program = os.path.join(self.scratch, example + "-pkg-config")
        fonts = self.pkg_config("--variable=fontdir", "vanui")[0]
        ui = os.path.join(SOURCE, "examples", "hello", "hello.ui")
        run(["c++", "-Wall", "-Wextra", "-Werror"] + shlex.split(FLAGS) +
            ['-DHELLO_FONT_DIR="%s"' % fonts, '-DHELLO_UI_FILE="%s"' % ui,
             os.path.join(SOURCE, "examples", example, "hello.cpp"), "-o", program] +
            self.pkg_config("--cflags", "--libs", *EXAMPLES[example][1]))
        return program

    def test_the_examples_build_with_the_cmake_package_and_run(self):
        for example in EXAMPLES:
            with self.subTest(example):
                self.check_hello(example, self.build_with_cmake(example))

    def test_the_examples_build_with_pkg_config_and_run(self):
        for example in EXAMPLES:
            with self.subTest(example):
                self.check_hello(example, self.build_with_pkg_config(example))

    def test_a_program_keeps_its_own_operator_new(self):
        # The replaceable operators (new, new[], and their nothrow forms) by their mangled names;
        # placement new, which headers define inline, is not one of them.
        replaceable = re.compile(r" _Zn[wa]m(RKSt9nothrow_t)?$", re.M)
        for library in CORE_LIBRARIES:
            symbols = run(["nm", "--defined-only", os.path.join(self.prefix, "lib", library)])
            self.assertEqual(replaceable.findall(symbols), [], library)
        program = os.path.join(self.scratch, "own-allocator")
        run(["c++"] + shlex.split(FLAGS) +
            [os.path.join(SOURCE, "tests", "package", "own_allocator.cpp"), "-o", program] +
            self.pkg_config("--cflags", "--libs", "vanui"))
        output = run([program])
        self.assertRegex(output, r"^[1-9]\d* allocations of the toolkit reached the program's operator new")

    def test_the_core_needs_no_gl(self):
        for library in CORE_LIBRARIES:
            needed = run(["nm", "--undefined-only", os.path.join(self.prefix, "lib", library)])
            self.assertEqual(re.findall(r" (glu?[A-Z]\w*|glut\w*|glfw\w*)$", needed, re.M), [], library)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--source", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--flags", default="")
    args, rest = parser.parse_known_args()
    SOURCE, BUILD, FLAGS = os.path.abspath(args.source), os.path.abspath(args.build), args.flags
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
