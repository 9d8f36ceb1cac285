"""drev check FILE.ui...: one small UI file per kind of problem, through the real binary, with the
exact lines on standard error and the exit status; several files in one call; --quiet; files
that can't be read; fonts found beside the UI file and then among DREV's own; no app.log."""

import os
import shutil
import unittest

import drevtest

FILES = {
    "parent.ui": 'uiWindow "W" "Application" { Width 300 Height 200 }\n\n'
                 'uiButton "B" "Missing"\n  { Left 1 Top 1 Width 10 Height 10 }\n',
    "lexical.ui": '# lexical\nuiWindow "W" "Application" {\n  Left +5 Width 300 Height 200 }\n',
    "fonts.ui": 'uiFontTable { Label "nofont.krf" Text "text.krf" Title "title.krf" Small "small.krf"'
                ' Mono "mono.krf" }\nuiWindow "W" "Application" { Width 300 Height 200 }\n',
    "skipped.ui": 'uiWindow "W" "Application" { Width 300 Height 200 }\n'
                  'uiLabel "L" "Application" { Width 30 Height 20 }\nuiText "T" "W" { Width 30 Height 20 }\n',
    "placement.ui": 'uiWindow "W" "Application" { Left 790 Top 10 Width 100 Height 50 }\n'
                    'uiLabel "L" "W" { Left 80 Top 40 Width 30 Height 20 }\n',
    "animation.ui": 'uiWindow "W" "Application" { Width 300 Height 200 }\n'
                    'uiButton "B" "W" { Width 30 Height 20 Animation { Type 9 Wait 100 Duration 200 } }\n'
                    'uiLabel "S" "W" { Top 40 Width 30 Height 20 Style 5 Animation 3 }\n',
    "clean.ui": 'uiWindow "W" "Application" { Width 300 Height 200\n'
                '  Animation { Type 6 Wait 0 Duration 300 DoFade true } }\n'
                'uiButton "Label6" "W" { Left 10 Top 20 Width 60 Height 20 }\n',
}

# What each file gives: its lines on standard error and the exit status of checking it alone.
EXPECTED = {
    "parent.ui": (["parent.ui:3: error: UI file [parent.ui] not correct: problem in item [Missing]>[B:uiButton] "
                   "(Parent [Missing] of item [B:uiButton] not found)"], 1),
    "lexical.ui": (["lexical.ui:3: error: UI file [lexical.ui] not correct: Tokenizer reports bad widget name at "
                    "line [3] (Bad character in stream: '+' cannot start a number)"], 1),
    "fonts.ui": (["fonts.ui: warning: Wrong KORU font file [nofont.krf]",
                  "fonts.ui: warning: Warning: invalid entries found in UI file [fonts.ui] for uiFontTable"], 0),
    "skipped.ui": (["skipped.ui: warning: Item [L:uiLabel] makes no widget under parent [Application]; item skipped",
                    "skipped.ui: warning: Item [T:uiText] makes no widget under parent [W]; item skipped"], 0),
    "placement.ui": (["placement.ui: warning: Left of [W] places it outside of window. Left forced by [-90].",
                      "placement.ui: warning: Left of [L] places it outside of parent [W]. Left forced by [-10].",
                      "placement.ui: warning: Top of [L] places it outside of parent [W]. Top forced by [-10]."], 0),
    "animation.ui": (["animation.ui: warning: Wrong style parameters for widget [S]",
                      "animation.ui: warning: Wrong animation parameters for widget [S]",
                      "animation.ui: warning: [B]: Wrong animation type [9]. Forced to UIANIMT_NONE [0]"], 0),
    "clean.ui": ([], 0),
}


class CheckTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir()
        self.addCleanup(self.work.remove)
        for name, text in FILES.items():
            self.work.write(name, text)

    def check(self, *args):
        code, out, err = drevtest.run_command(["check"] + list(args), self.work.path)
        self.assertEqual(out, "")
        return code, err.splitlines()

    def test_each_kind_of_problem_alone(self):
        for name, (lines, status) in EXPECTED.items():
            with self.subTest(file=name):
                self.assertEqual(self.check(name), (status, lines))
        # The tokenizer's own line never shows raw, and nothing is written into the folder.
        self.assertEqual(sorted(os.listdir(self.work.path)), sorted(FILES))

    def test_several_files_keep_their_order_and_the_worst_status(self):
        code, lines = self.check("fonts.ui", "missing.ui", "parent.ui", "clean.ui")
        self.assertEqual(code, 2)
        self.assertEqual(lines, EXPECTED["fonts.ui"][0] +
                         ["missing.ui: error: cannot read the file: No such file or directory"] +
                         EXPECTED["parent.ui"][0])
        self.assertEqual(self.check("placement.ui", "lexical.ui", "clean.ui"),
                         (1, EXPECTED["placement.ui"][0] + EXPECTED["lexical.ui"][0]))

    def test_quiet_prints_errors_only(self):
        self.assertEqual(self.check("--quiet", "fonts.ui", "placement.ui", "animation.ui"), (0, []))
        self.assertEqual(self.check("--quiet", "animation.ui", "lexical.ui"), (1, EXPECTED["lexical.ui"][0]))

    def test_file_that_cannot_be_read_at_all(self):
        os.mkdir(self.work.file("folder.ui"))
        self.assertEqual(self.check("folder.ui"), (2, ["folder.ui: error: cannot read the file: Is a directory"]))
        self.assertEqual(self.check("nowhere/x.ui"),
                         (2, ["nowhere/x.ui: error: cannot read the file: No such file or directory"]))

    def test_broken_copy_of_the_sample_points_at_its_line(self):
        with open(os.path.join(drevtest.DATA, "vantora.ui"), encoding="latin-1") as f:
            lines = f.read().split("\n")
        number = next(i for i, line in enumerate(lines) if "Left 16 Top 66" in line) + 1
        lines[number - 1] = lines[number - 1].replace("Top 66", "Top 6.6.")
        self.work.write("broken.ui", "\n".join(lines))
        self.assertEqual(self.check("broken.ui"), (1, [
            "broken.ui:%d: error: UI file [broken.ui] not correct: Tokenizer reports bad widget name at line [%d] "
            "(Bad character in number: '.' cannot follow the digits of a number)" % (number, number)]))
        self.assertEqual(self.check(os.path.join(drevtest.DATA, "vantora.ui")), (0, []))

    def test_fonts_are_found_beside_the_file_then_among_drevs_own(self):
        os.mkdir(self.work.file("sub"))
        shutil.copy(os.path.join(drevtest.DATA, "mono.krf"), self.work.file("sub/own.krf"))
        self.work.write("sub/own.ui", 'uiFontTable { Label "own.krf" Text "text.krf" Title "title.krf" '
                                      'Small "small.krf" Mono "mono.krf" }\n')
        self.assertEqual(self.check("sub/own.ui", "--log", "check.log"), (0, []))
        log = [drevtest.strip_stamp(line) for line in self.work.read("check.log").splitlines()]
        self.assertEqual(log[0], "Logger inited correctly for file [check.log]")
        self.assertIn("RECORD  : Item [1] of uiFonTable for [sub/own.krf] loaded successfully.", log)
        shipped = [line for line in log if line.startswith("RECORD  : Item [2] of uiFonTable for [")]
        self.assertEqual(len(shipped), 1)
        self.assertTrue(shipped[0].endswith("/data/text.krf] loaded successfully."), shipped[0])
        self.assertFalse(self.work.exists("app.log"))

    def test_log_file_that_cannot_be_written_or_is_an_input_is_an_io_error(self):
        code, lines = self.check("clean.ui", "--log", "nowhere/check.log")
        self.assertEqual((code, lines), (2, ["drev: cannot write the log file nowhere/check.log: "
                                             "No such file or directory"]))
        self.assertEqual(self.check("clean.ui", "fonts.ui", "--log", "./fonts.ui"),
                         (2, ["drev: --log ./fonts.ui would write over the UI file fonts.ui"]))
        self.assertEqual(self.work.read("fonts.ui"), FILES["fonts.ui"])


if __name__ == "__main__":
    drevtest.main()
