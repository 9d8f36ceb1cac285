"""The real program starts its log as described and records the end of the run."""

import re
import unittest

import drevtest


class StartupTest(unittest.TestCase):
    def test_log_opens_with_four_lines_and_ends_with_program_end(self):
        work = drevtest.WorkDir()
        work.copy_all_data()
        code, _ = drevtest.run_drev(work, "exit\n")
        self.assertEqual(code, 0)
        lines = work.log_lines()
        self.assertEqual(lines[0], "Logger inited correctly for file [app.log]")
        stamp = drevtest.STAMP
        self.assertRegex(lines[1], "^" + stamp + re.escape("INTERNAL: Logger Log Mode changed to [LOG_MODE_DETAILED]") + "$")
        self.assertRegex(lines[2], "^" + stamp + re.escape("INTERNAL: Logger Type Mode changed to [LOG_TYPE_DEBUG]") + "$")
        self.assertRegex(lines[3], "^" + stamp + "RECORD  : Program start$")
        self.assertRegex(lines[-1], "^" + stamp + "RECORD  : Program end$")
        work.remove()


if __name__ == "__main__":
    drevtest.main()
