"""drev fmt on every UI file of the repository and of the bad-input folder: a file that loads is
laid out for good (formatting again changes nothing), keeps its comments, loads into the same tree
(drev check says the same of it) and draws the same picture at tolerance 0; one that does not load
is left alone with check's error and status 1. Then the layout itself, --check and "-"."""

import glob
import os
import re
import shutil
import subprocess
import unittest

import drevtest

# A string (cut short or not) or a comment: comments are what the second group finds.
STRING_OR_COMMENT = re.compile(rb'"(?:\\.|[^"\\])*"?|(#[^\r\n]*)')

# Input and layout: the placement line, inline blocks, blank lines and trailing blanks; comments
# in odd places; a font table's columns; CR LF line ends, tabs and values kept as written.
LAYOUTS = {
    "layout.ui": ('uiWindow "W" "Application" { Left 1 Top 2 Width 300 Height 200 Style { Aspect 3 Fill 1 } }   '
                  '\n\n\n\nuiButton "B" "W" {Left 10   Top 10 Animation{Type 1 Wait 5 Duration 100 DoFade true}} # after\n',
                  'uiWindow "W" "Application" {\n    Left 1 Top 2 Width 300 Height 200\n    Style { Aspect 3 Fill 1 }\n}'
                  '\n\n\nuiButton "B" "W" {\n    Left 10 Top 10\n    Animation { Type 1 Wait 5 Duration 100 DoFade true }\n'
                  '}  # after\n'),
    "comments.ui": ('# head\nuiWindow # the type\n "W" "Application" {\n  Left 1 # left\n  Top 2\n  Style { Aspect 3 # frame\n'
                    '  }\n  Width # width\n  300\n  # last\n}\n',
                    '# head\nuiWindow  # the type\n    "W" "Application" {\n        Left 1  # left\n        Top 2\n'
                    '        Style {\n            Aspect 3  # frame\n        }\n        Width  # width\n            300\n'
                    '        # last\n    }\n'),
    "table.ui": ('uiFontTable { Label "label.krf" # captions\n Text "text.krf" Mono "mono.krf" # fixed\n}\n',
                 'uiFontTable {\n    Label   "label.krf"     # captions\n    Text    "text.krf"\n'
                 '    Mono    "mono.krf"      # fixed\n}\n'),
    "crlf.ui": ('uiWindow "W" "Application" {\r\n\tLeft 1 Data [ 1 -2.50 3e4 "a\\"b" [ ] ] }\r\n',
                'uiWindow "W" "Application" {\r\n    Left 1\r\n    Data [ 1 -2.50 3e4 "a\\"b" [ ] ]\r\n}\r\n'),
}


def repository_ui_files():
    source = os.path.dirname(drevtest.DATA)
    return sorted(glob.glob(os.path.join(source, "data", "*.ui")) +
                  glob.glob(os.path.join(source, "examples", "**", "*.ui"), recursive=True) +
                  glob.glob(os.path.join(source, "tests", "data", "bad-inputs", "ui", "*.ui")))


def comments(data):
    return [match.group(1).rstrip() for match in STRING_OR_COMMENT.finditer(data) if match.group(1)]


class FormatTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir()
        self.addCleanup(self.work.remove)

    def run_drev(self, *args):
        return drevtest.run_command(list(args), self.work.path)

    def bytes_of(self, name):
        with open(self.work.file(name), "rb") as f:
            return f.read()

    def test_every_ui_file_of_the_repository(self):
        files = repository_ui_files()
        self.assertGreater(len(files), 20)
        for path in files:
            with self.subTest(file=os.path.relpath(path, drevtest.DATA)):
                shutil.copy(path, self.work.file("input.ui"))
                shutil.copy(path, self.work.file("original.ui"))
                original = self.bytes_of("input.ui")
                checked = self.run_drev("check", "input.ui")
                formatted = self.run_drev("fmt", "input.ui")
                if checked[0] == 1:
                    self.assertEqual(formatted, (1, "", self.run_drev("check", "--quiet", "input.ui")[2]))
                    self.assertEqual(self.bytes_of("input.ui"), original)
                    continue
                self.assertEqual(formatted, (0, "", ""))
                self.assertEqual(self.run_drev("fmt", "--check", "input.ui"), (0, "", ""))
                self.assertEqual(self.run_drev("check", "input.ui"), checked)
                self.assertEqual(comments(self.bytes_of("input.ui")), comments(original))
                self.run_drev("render", "original.ui", "-o", "original.png")
                self.assertEqual(self.run_drev("render", "input.ui", "-o", "input.png", "--compare", "original.png",
                                               "--tolerance", "0")[0], 0)

    def test_layout_check_and_standard_input(self):
        for name, (text, _) in LAYOUTS.items():
            self.work.write(name, text)
        shutil.copy(os.path.join(drevtest.DATA, "vantora.ui"), self.work.file("vantora.ui"))
        names = sorted(LAYOUTS) + ["vantora.ui"]
        # --check names the files that would change and changes nothing.
        self.assertEqual(self.run_drev("fmt", "--check", *names), (1, "".join(n + "\n" for n in sorted(LAYOUTS)), ""))
        self.assertEqual({name: self.work.read(name) for name in LAYOUTS}, {n: t for n, (t, _) in LAYOUTS.items()})
        vantora_time = os.stat(self.work.file("vantora.ui")).st_mtime_ns
        self.assertEqual(self.run_drev("fmt", *names), (0, "", ""))
        self.assertEqual({name: self.work.read(name) for name in LAYOUTS}, {n: t for n, (_, t) in LAYOUTS.items()})
        # A file already laid out is not written at all.
        self.assertEqual(os.stat(self.work.file("vantora.ui")).st_mtime_ns, vantora_time)
        piped = subprocess.run([drevtest.DREV, "fmt", "-"], input=LAYOUTS["layout.ui"][0].encode(), capture_output=True,
                               cwd=self.work.path, timeout=60)
        self.assertEqual((piped.returncode, piped.stdout.decode(), piped.stderr), (0, LAYOUTS["layout.ui"][1], b""))
        broken = subprocess.run([drevtest.DREV, "fmt", "-"], input=b'uiWindow "W" "Application" { Left +1 }\n',
                                capture_output=True, cwd=self.work.path, timeout=60)
        self.assertEqual((broken.returncode, broken.stdout), (1, b""))
        self.assertTrue(broken.stderr.startswith(b"<stdin>:1: error: UI file [<stdin>] not correct: "), broken.stderr)
        self.assertEqual(self.run_drev("fmt", "missing.ui"),
                         (2, "", "drev: cannot read missing.ui: No such file or directory\n"))
        # A file that opens but fails to read (address 0 of a process is never mapped).
        self.assertEqual(self.run_drev("fmt", "/proc/self/mem"),
                         (2, "", "drev: cannot read /proc/self/mem: Input/output error\n"))


if __name__ == "__main__":
    drevtest.main()
