"""The console shell end to end: the real drev in a temporary directory with its own table files,
fed through a pipe; whole transcripts are compared screen by screen."""

import unittest

import drevtest
from consoletest import (FILE_ERROR, about_page, blank, echo, information_page, key_test, language_page,
                         menu_page, messages, missing_row_page, start_screen, unknown)

CONFIG = "# settings\nLanguage 0\nText two  words \nValue 2.5\n"
MENU = " 900 901   5   6 999\n 901   1   2   3 998 900\n"
LANGUAGES = ("800 &Alpha              items_a.txt                   messages_a.txt\n"
             "801 &Beta               items_b.txt                   messages_b.txt\n")


def message_file(tag):
    return "".join("%02d  %s message %d\n" % (i, tag, i) for i in range(26))


def item_file(tag):
    return ("900  79 %s main\n901  79 %s &info\n1    79 %s page &one\n2    79 %s page &two # comment\n"
            "3    79 %s page t&hree\n5    79 &Languages\n6    79 &Keys\n998  79 &About\n999  79 E&xit\n" % ((tag,) * 5))


class Session:
    """A work directory with the test tables; run() returns exit code and output of one run."""

    def __init__(self, config=CONFIG, menu=MENU, languages=LANGUAGES):
        self.work = drevtest.WorkDir()
        for name, text in (("DREV.cfg", config), ("Menu.txt", menu), ("Languages.txt", languages),
                           ("items_a.txt", item_file("A")), ("messages_a.txt", message_file("A")),
                           ("items_b.txt", item_file("B")), ("messages_b.txt", message_file("B"))):
            if text is not None:
                self.work.write(name, text)
        self.msg = {tag: messages(message_file(tag)) for tag in "AB"}

    def run(self, typed):
        return drevtest.run_drev(self.work, typed, timeout=20)

    def loading(self, tag="A"):
        return echo(CONFIG, LANGUAGES, MENU, message_file(tag), item_file(tag))

    def main_page(self, tag):
        return menu_page(self.msg[tag], "%s main" % tag, [(901, "%s &info" % tag), (5, "&Languages"), (6, "&Keys"),
                                                           (999, "E&xit")])

    def info_page(self, tag):
        return menu_page(self.msg[tag], "%s &info" % tag, [(1, "%s page &one" % tag), (2, "%s page &two " % tag),
                                                            (3, "%s page t&hree" % tag), (998, "&About"),
                                                            (900, "%s main" % tag)])

    def log_records(self):
        return [drevtest.strip_stamp(line) for line in self.work.log_lines()[3:]]


class ConsoleTest(unittest.TestCase):
    def test_whole_session(self):
        s = Session()
        typed = ["", "", "i", "1", "", "h", "", "998", "", "menu", "o", "x", "", "900", "5", "b", "EXIT", "",
                 "Menu", "", "0", "", "-3", "", "4", "", "I", "", "6", "ab\x1b[Ay", "", "exit"]
        code, out = s.run("\n".join(typed) + "\n")
        a, b = s.msg["A"], s.msg["B"]
        expected = (s.loading() + start_screen(a) + s.main_page("A") + s.info_page("A") + information_page(a, 1) +
                    s.info_page("A") + information_page(a, 3) + s.info_page("A") + about_page(a) +
                    s.info_page("A") + s.info_page("A") + information_page(a, 1) + s.info_page("A") +
                    unknown("") + s.info_page("A") + s.main_page("A") + language_page(a, [(800, "&Alpha"), (801, "&Beta")]) +
                    echo(item_file("B"), message_file("B")) + s.main_page("B") +
                    "".join(unknown(word) + s.main_page("B") for word in ("EXIT", "Menu", "0", "-3", "4", "I")) +
                    key_test(b, "a 97\nb 98\n\x1b 27\n[ 91\nA 65\ny 121\n") + s.main_page("B") +
                    unknown("") + s.main_page("B"))
        self.assertEqual(out, expected)
        self.assertEqual(code, 0)
        self.assertEqual(s.work.read("DREV1.cfg"), "Language 1\nText two  words \nValue 2.500000\n")
        self.assertEqual(s.work.read("DREV.cfg"), CONFIG)
        self.assertEqual(s.log_records(), ["RECORD  : Program start", "RECORD  : Program end"])

    def test_exit_on_the_language_page_goes_back_to_the_menu(self):
        s = Session()
        code, out = s.run("\n\n5\nexit\n800\nexit\n")
        msg = s.msg["A"]
        languages = language_page(msg, [(800, "&Alpha"), (801, "&Beta")])
        self.assertEqual(out, s.loading() + start_screen(msg) + s.main_page("A") + languages + s.main_page("A") +
                         s.main_page("A"))
        self.assertEqual(code, 0)
        self.assertTrue(s.work.read("DREV1.cfg").startswith("Language 0\n"))

    def test_end_of_input_ends_the_run_like_exit(self):
        for typed in ["", "\n", "\n\n", "\n\n5\n", "\n\n6\nab", "\n\n1\n", "\n\n1", "\n\nE", "\n\n800"]:
            s = Session()
            code, out = s.run(typed)
            self.assertEqual(code, 0, repr(typed))
            self.assertTrue(s.work.exists("DREV1.cfg"), repr(typed))
            self.assertEqual(s.log_records()[-1], "RECORD  : Program end", repr(typed))
        s = Session()
        code, out = s.run("\n\n5\n")
        self.assertTrue(out.endswith(s.main_page("A") + language_page(s.msg["A"], [(800, "&Alpha"), (801, "&Beta")])))

    def test_input_with_cr_lf_line_ends_runs_as_with_lf(self):
        typed = ["", "", "1", "", "998", "", "zz", "", "x", ""]
        outputs = []
        for line_end in ("\n", "\r\n"):
            s = Session()
            code, out = s.run(line_end.join(typed) + line_end)
            self.assertEqual(code, 0)
            outputs.append(out)
        self.assertEqual(outputs[1], outputs[0])
        self.assertNotIn("Unknown command:. ", outputs[1])

    def test_long_line_keeps_seventy_nine_characters(self):
        s = Session()
        code, out = s.run("\n\n" + "7" * 79 + "x" * 50 + "\n\nexit\n")
        self.assertIn(unknown("7" * 79) + s.main_page("A"), out)
        self.assertTrue(out.endswith(s.main_page("A")))

    def test_language_rows_outside_the_table(self):
        s = Session(config="Language 5\n")
        code, out = s.run("\n\n802\n\n5\n899\n\n801\nexit\n")
        msg = s.msg["A"]
        self.assertIn(echo(message_file("A"), item_file("A")) + start_screen(msg), out)
        self.assertIn(s.main_page("A") + unknown("802") + s.main_page("A"), out)
        self.assertIn(unknown("899") + s.main_page("A"), out)
        self.assertTrue(out.endswith(s.main_page("B")))
        self.assertEqual(s.work.read("DREV1.cfg"), "Language 1\nText \nValue 0.000000\n")

    def test_settings_written_read_back_the_same(self):
        euro = "\xe2\x82\xac"  # UTF-8, as the files are written byte for byte
        s = Session(config="Language 1\nText %s%suro\nValue -1e100\n" % ("x" * 21, euro))
        written = "Language 1\nText %s\nValue -1e+100\n" % ("x" * 21)
        for run in range(2):
            code, out = s.run("\n\nexit\n")
            self.assertEqual(code, 0)
            self.assertEqual(s.work.read("DREV1.cfg"), written, run)
            s.work.write("DREV.cfg", written)

    def test_configured_language_is_loaded_at_start(self):
        s = Session(config="Language 1\n")
        code, out = s.run("\n\nexit\n")
        self.assertTrue(out.endswith(start_screen(s.msg["B"]) + s.main_page("B")))

    def test_missing_files_are_reported_and_the_run_goes_on(self):
        s = Session(config=None, menu=None, languages=None)
        code, out = s.run("\n" * 5 + "\n\n" + "5\nexit\nexit\n")
        empty = [""] * 26
        self.assertEqual(out, FILE_ERROR * 5 + start_screen(empty) + missing_row_page(empty) +
                         language_page(empty, [(0, "")]) + missing_row_page(empty))
        self.assertEqual(code, 0)
        self.assertEqual(s.work.read("DREV1.cfg"), "Language 0\nText \nValue 0.000000\n")


if __name__ == "__main__":
    drevtest.main()
