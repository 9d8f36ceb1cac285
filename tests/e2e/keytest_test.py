"""The key test (command 6) on a real terminal: drev runs on a pseudo-terminal, keys are typed
one by one, and the echoed codes, the two-code form of cursor and function keys, the lone Escape
and the terminal settings before, during and after the test are checked."""

import os
import unittest

import drevtest
from consoletest import messages


class KeyTestTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir().copy_all_data()
        self.msg = messages(self.work.read("Messages_en.txt"))
        self.tty = drevtest.Terminal(self.work)
        self.addCleanup(self.work.remove)
        self.addCleanup(self.tty.close)
        self.tty.wait_for(self.msg[10])
        self.tty.type("\n")
        self.tty.wait_for(self.msg[18])
        self.tty.type("\n")
        self.tty.wait_for("> ")
        self.assertFalse(self.tty.keys_mode())
        self.tty.type("6\n")
        self.tty.wait_for(self.msg[25] + "\n> ")
        self.assertTrue(self.tty.keys_mode())

    def test_plain_cursor_and_function_keys(self):
        for key, shown in [("a", "a 97"), ("\x1b[A", "\xe0 224 H 72"), ("\x1b", "\x1b 27"),
                           ("\x1bOP", "\x00 0 ; 59"),
                           ("\x1b[24~", "\xe0 224 \x86 134"), ("\x1b[6~", "\xe0 224 Q 81")]:
            self.tty.type(key)
            self.assertEqual(self.tty.wait_for("\n"), shown)
        self.tty.type("y")
        self.assertEqual(self.tty.wait_for("> "), "y 121\n\n" + self.msg[14] + "\n")
        self.tty.wait_for("> ")
        self.assertFalse(self.tty.keys_mode())
        self.tty.type("exit\n")
        self.assertEqual(self.tty.proc.wait(timeout=10), 0)
        self.assertTrue(self.work.exists("DREV1.cfg"))

    def test_terminal_hang_up_ends_the_run(self):
        self.tty.type("ab")
        self.tty.wait_for("b 98\n")
        os.close(self.tty.master)
        self.tty.master = os.open(os.devnull, os.O_RDONLY)
        self.assertEqual(self.tty.proc.wait(timeout=10), 0)
        self.assertTrue(drevtest.strip_stamp(self.work.log_lines()[-1]).endswith("Program end"))


if __name__ == "__main__":
    drevtest.main()
