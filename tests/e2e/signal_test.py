"""SIGINT, SIGTERM and SIGHUP end a run the way "exit" does, wherever drev waits: the terminal
gets its settings back, "DREV1.cfg" holds the language chosen, the log ends with "Program end"
and the exit status is 128 + the signal number."""

import signal
import termios
import unittest

import drevtest
from consoletest import messages


class StopSignalTest(unittest.TestCase):
    def start(self, session_type):
        """drev on the sample data, past the start screen and switched to the second language."""
        self.work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(self.work.remove)
        self.msg = messages(self.work.read("Messages_it.txt"))
        session = session_type(self.work)
        self.addCleanup(session.close)
        session.type("\n\n")
        session.wait_for("> ")
        session.type("801\n")
        session.wait_for("> ")
        return session

    def assertRunEndedBy(self, session, number):
        self.assertEqual(session.proc.wait(timeout=10), 128 + number)
        self.assertTrue(self.work.read("DREV1.cfg").startswith("Language 1\n"))
        self.assertEqual(drevtest.strip_stamp(self.work.log_lines()[-1]), "RECORD  : Program end")

    def test_terminate_during_the_key_test_restores_the_terminal(self):
        tty = self.start(drevtest.Terminal)
        tty.type("6\n")
        tty.wait_for(self.msg[25] + "\n> ")
        tty.type("\x03")
        self.assertEqual(tty.wait_for("\n"), "\x03 3")
        self.assertTrue(tty.keys_mode())
        tty.proc.send_signal(signal.SIGTERM)
        self.assertRunEndedBy(tty, signal.SIGTERM)
        modes = termios.ICANON | termios.ECHO | termios.ISIG
        self.assertEqual(tty.local_modes() & modes, modes)

    def test_signals_at_the_menu_prompt_and_at_a_wait_for_enter(self):
        for number, command in ((signal.SIGHUP, ""), (signal.SIGINT, "1\n")):
            with self.subTest(signal=signal.Signals(number).name):
                piped = self.start(drevtest.Piped)
                piped.type(command)
                piped.wait_for("> " if command else "")
                piped.proc.send_signal(number)
                self.assertRunEndedBy(piped, number)


if __name__ == "__main__":
    drevtest.main()
