"""The sample tables in data/: every language is walked page by page with the real drev and the
whole transcript is compared with the screens built from the files themselves; the files are
also checked to fit their fields (texts, names, hotkeys)."""

import re
import unittest

import drevtest
from consoletest import about_page, echo, information_page, language_page, menu_page, messages, start_screen

PAGES = [900, 901, 902, 903, 904]
WINDOW_AND_EXIT = {6, 7, 8, 999}


def data_lines(text):
    return [line[:99] for line in text.split("\n") if line and not line.startswith("#")]


class SampleData:
    def __init__(self, work):
        self.work = work
        self.menu = {}
        for line in data_lines(work.read("Menu.txt")):
            codes = [int(line[i:i + 4]) for i in range(0, len(line), 4)]
            self.menu.setdefault(codes[0], codes[1:])
        self.languages = [(int(line[0:4]), line[4:23].strip(), line[24:54].strip(), line[54:84].strip())
                          for line in data_lines(work.read("Languages.txt"))]

    def items(self, row):
        texts = {}
        for line in data_lines(self.work.read(self.languages[row][2])):
            if len(line) > 8:
                texts.setdefault(int(line[0:4]), line[8:].split("#")[0][:int(line[4:8])])
        return texts

    def messages(self, row):
        return messages(self.work.read(self.languages[row][3]))


def hotkey(text):
    return text[text.index("&") + 1].lower() if "&" in text[:-1] else ""


class SampleDataTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(self.work.remove)
        self.data = SampleData(self.work)

    def test_files_fit_their_fields(self):
        self.assertGreaterEqual(len(self.data.languages), 3)
        self.assertEqual(sorted(self.data.menu), PAGES)
        for row, (number, name, items_file, messages_file) in enumerate(self.data.languages):
            self.assertEqual(number, 800 + row)
            self.assertTrue(hotkey(name).isalpha(), name)
            self.assertLessEqual(len(name.encode("latin-1")), 19)
            texts = self.data.items(row)
            msg = self.data.messages(row)
            self.assertEqual(len(msg), 26, messages_file)
            self.assertTrue(all(len(m) <= 95 for m in msg), messages_file)
            for page, items in self.data.menu.items():
                self.assertTrue(texts.get(page), (items_file, page))
                keys = [hotkey(texts.get(code, "")) for code in items]
                self.assertTrue(all(key.isalpha() and key.isascii() for key in keys), (items_file, page, keys))
                self.assertEqual(len(set(keys)), len(keys), (items_file, page, keys))
            self.assertTrue(all(len(text) <= 79 for text in texts.values()), items_file)
        commands = set(code for items in self.data.menu.values() for code in items)
        self.assertTrue({1, 2, 3, 5, 6, 7, 8, 998, 999} | set(PAGES) <= commands | {900})

    def test_every_page_in_every_language(self):
        config = self.work.read("DREV.cfg")
        for row, language in enumerate(self.data.languages):
            with self.subTest(language=language[1]):
                self.work.write("DREV.cfg", re.sub(r"(?m)^Language .*$", "Language %d" % row, config))
                self.walk(row)

    def walk(self, row):
        texts = self.data.items(row)
        msg = self.data.messages(row)

        def page(code):
            return menu_page(msg, texts[code], [(item, texts[item]) for item in self.data.menu[code]])

        typed = ["", ""]
        expected = [start_screen(msg), page(900)]
        for code in PAGES:
            typed.append(str(code))
            expected.append(page(code))
        for command in (1, 2, 3):
            typed += [str(command), ""]
            expected += [information_page(msg, command), page(904)]
        typed += ["998", "", "5", str(800 + row)]
        expected += [about_page(msg), page(904), language_page(msg, [(l[0], l[1]) for l in self.data.languages]),
                     page(904)]
        for code in PAGES:
            for item in self.data.menu[code]:
                if item in PAGES:
                    typed += [str(code), hotkey(texts[item])]
                    expected += [page(code), page(item)]
        typed.append("exit")
        status, out = drevtest.run_drev(self.work, "\n".join(typed) + "\n")
        loading = echo(self.work.read("DREV.cfg"), self.work.read("Languages.txt"), self.work.read("Menu.txt"),
                       self.work.read(self.data.languages[row][3]), self.work.read(self.data.languages[row][2]))
        self.assertEqual(out, loading + "".join(expected))
        self.assertEqual(status, 0)
        self.assertEqual(self.work.read("DREV1.cfg").split("\n")[0], "Language %d" % row)


if __name__ == "__main__":
    drevtest.main()
