"""Text beyond Latin-1 through the real drev render: the shipped sample, saved as UTF-8 with "Größe",
"€ 5", Greek and Cyrillic captions in european.krf, draws as its golden picture from a folder of
the user's own; each text of a file is read as UTF-8 or as Latin-1 on its own, so the same letters
saved either way draw the same pixels, and a text with one byte that is not UTF-8 falls back to
Latin-1 bytes."""

import os
import shutil
import unittest

import drevtest
import xserver

GOLDEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "golden", "scripts-settled.png")
NO_DISPLAY = {"DISPLAY": ""}
TEAL = (26, 128, 128)

# Two labels side by side whose captions and value texts are given as bytes. Each caption is drawn
# 19 pixels above its label (european.krf's line height) with a shadow one pixel to the left.
TWO_LABELS = b"""uiFontTable { Label "european.krf" Text "european.krf" Title "title.krf" Small "small.krf"
              Mono "mono.krf" }
uiWindow "W" "Application" { Left 0 Top 0 Width 800 Height 600 Style { Aspect 1 Fill 1 } }
uiLabel "%s" "W" { Left 50 Top 100 Width 300 Height 40 }
uiLabel "%s" "W" { Left 450 Top 100 Width 300 Height 40 }
"""
LEFT_LABEL = (47, 78, 306, 66)
RIGHT_OFFSET = 400


class Utf8TextTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir()
        self.addCleanup(self.work.remove)

    def render(self, *args):
        code, out, err = drevtest.run_command(["render"] + list(args), self.work.path, env=NO_DISPLAY)
        self.assertEqual(out, "")
        return code, err.splitlines()

    def two_labels(self, left, right):
        """Renders the two labels and returns their pictures, the left and the right one."""
        with open(self.work.file("labels.ui"), "wb") as f:
            f.write(TWO_LABELS % (left, right))
        self.assertEqual(self.render("labels.ui", "-o", "labels.png"), (0, []))
        shot = xserver.Image.from_png(self.work.file("labels.png"))
        x, y, width, height = LEFT_LABEL
        return shot.crop(x, y, width, height), shot.crop(x + RIGHT_OFFSET, y, width, height)

    def test_the_utf8_sample_draws_as_its_golden_from_the_users_folder(self):
        shutil.copy(os.path.join(drevtest.DATA, "scripts.ui"), self.work.path)
        with open(self.work.file("scripts.ui"), "rb") as f:
            text = f.read().decode("utf-8")
        for caption in ("Größe", "€ 5", "Λόγος", "Слово", "Łódź"):
            self.assertIn('"%s"' % caption, text)
        # The fonts are not in the folder: they come from DREV's own data, without a warning.
        self.assertEqual(self.render("scripts.ui", "-o", "out.png", "--compare", GOLDEN), (0, []))
        self.assertEqual(sorted(os.listdir(self.work.path)), ["out.png", "scripts.ui"])

    def test_the_same_letters_saved_as_utf8_or_latin1_draw_the_same_pixels(self):
        for caption in ("Größe", "Crème brûlée", "½ × ¾ = 0.375"):
            with self.subTest(caption=caption):
                utf8, latin1 = self.two_labels(caption.encode("utf-8"), caption.encode("latin-1"))
                self.assertFalse(utf8.region_differs(latin1, 0, 0, utf8.width, utf8.height, tolerance=0))
                # Something was drawn: the caption stands on the teal above the label.
                self.assertLess(utf8.count(lambda p: p == TEAL, 0, 0, utf8.width, 20), utf8.width * 20)

    def test_one_byte_that_is_not_utf8_makes_its_text_latin1(self):
        # "Größe" followed by 0xFF is Latin-1 as a whole: Ã, ¶, Ã, Ÿ and ÿ, not ö and ß.
        broken = "Größe".encode("utf-8") + b"\xff"
        as_bytes, meant = self.two_labels(broken, broken.decode("latin-1").encode("utf-8"))
        self.assertFalse(as_bytes.region_differs(meant, 0, 0, meant.width, meant.height, tolerance=0))
        # A euro sign cut short is two Latin-1 bytes, drawn as two other characters.
        cut, whole = self.two_labels(b"\xe2\x82 5", "€ 5".encode("utf-8"))
        self.assertTrue(cut.region_differs(whole, 0, 0, whole.width, whole.height))


if __name__ == "__main__":
    drevtest.main()
