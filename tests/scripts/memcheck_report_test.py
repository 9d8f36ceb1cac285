"""Checks how scripts/memcheck_report.py sorts valgrind errors: those that reach the program's
own code fail the check, those wholly inside the platform libraries are only counted, and leak
records are left out."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "memcheck_report.py")
PRELOAD = "/usr/libexec/valgrind/vgpreload_memcheck-amd64-linux.so"
LIBC = "/usr/lib/x86_64-linux-gnu/libc.so.6"
GLX = "/usr/lib/x86_64-linux-gnu/libGLX_mesa.so.0"


def frame(obj, fn="f"):
    return "<frame><ip>0x1</ip><obj>%s</obj><fn>%s</fn></frame>" % (obj, fn)


def error(kind, *stacks):
    parts = ["<error><kind>%s</kind><what>%s here</what>" % (kind, kind)]
    for index, stack in enumerate(stacks):
        if index > 0:
            parts.append("<auxwhat>second stack</auxwhat>")
        parts.append("<stack>%s</stack>" % "".join(stack))
    parts.append("</error>")
    return "".join(parts)


class MemcheckReportTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.program = os.path.join(self.dir.name, "drev")
        open(self.program, "w").close()

    def report(self, *errors):
        log = os.path.join(self.dir.name, "log.xml")
        with open(log, "w") as out:
            out.write("<?xml version=\"1.0\"?><valgrindoutput>%s</valgrindoutput>" % "".join(errors))
        run = subprocess.run([sys.executable, SCRIPT, log, self.program], capture_output=True, text=True)
        return run.returncode, run.stdout

    def test_errors_reaching_the_program_fail_the_check(self):
        cases = {
            "in its own code": error("InvalidRead", [frame(self.program, "Draw")]),
            "through the C runtime": error("UninitCondition", [frame(LIBC, "strlen"), frame(self.program)]),
            "in a block it allocated": error("UninitValue", [frame(GLX)],
                                             [frame(PRELOAD, "malloc"), frame(self.program, "Load")]),
        }
        for name, case in cases.items():
            code, out = self.report(case)
            self.assertEqual(code, 1, name)
            self.assertIn("1 errors in the program, 0 in the platform libraries", out, name)

    def test_platform_errors_and_leaks_do_not_fail_it(self):
        platform = error("SyscallParam", [frame(LIBC, "writev"), frame(GLX), frame(self.program, "main")],
                         [frame(PRELOAD, "memalign"), frame(GLX)])
        leak = error("Leak_PossiblyLost", [frame(PRELOAD, "malloc"), frame(self.program)])
        code, out = self.report(platform, platform, leak)
        self.assertEqual(code, 0)
        self.assertIn("2 x SyscallParam at writev", out)
        self.assertIn("0 errors in the program, 2 in the platform libraries", out)

    def test_unreadable_log_is_an_error_of_its_own(self):
        log = os.path.join(self.dir.name, "cut.xml")
        with open(log, "w") as out:
            out.write("<valgrindoutput><error>")
        run = subprocess.run([sys.executable, SCRIPT, log, self.program], capture_output=True, text=True)
        self.assertEqual(run.returncode, 2)


if __name__ == "__main__":
    unittest.main()
