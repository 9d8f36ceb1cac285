"""krfmake builds .krf font files from TrueType fonts, and the fonts shipped in data/ are
well-formed.

    python3 tests/e2e/krfmake_test.py --krfmake path/to/krfmake [--data path/to/data]
"""

import argparse
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

KRFMAKE = None
DATA = None

DEJAVU = "/usr/share/fonts/truetype/dejavu"
SANS = os.path.join(DEJAVU, "DejaVuSans.ttf")
DEFAULT_CODES = list(range(32, 127)) + list(range(160, 256))
HEADER_SIZE = 256
ENTRY_SIZE = 8


class KrfFile:
    """The parts of a .krf file: header fields, character table and coverage image."""

    def __init__(self, data):
        if len(data) < HEADER_SIZE:
            raise ValueError("header shorter than 256 bytes")
        self.header = data[:HEADER_SIZE]
        self.magic = data[0:5]
        self.name_field = data[6:56]
        self.size = data[56]
        self.width, self.height = struct.unpack_from("<HH", data, 70)
        self.count, self.line_height, self.nominal_width = struct.unpack_from("<HHH", data, 78)
        table_end = HEADER_SIZE + ENTRY_SIZE * self.count
        self.expected_length = table_end + self.width * self.height
        self.length = len(data)
        self.entries = [struct.unpack_from("<HHHH", data, HEADER_SIZE + ENTRY_SIZE * i)
                        for i in range(self.count)] if len(data) >= table_end else []
        self.image = data[table_end:self.expected_length]

    @property
    def name(self):
        return self.name_field.split(b"\0", 1)[0].decode("ascii")

    def display_name(self):
        return "%s %d %dx%d" % (self.name, self.size, self.width, self.height)

    def cell(self, code):
        """Rows of coverage of the code's cell, top row first."""
        for entry_code, x, y, w in self.entries:
            if entry_code == code:
                return [self.image[(y - 1 + row) * self.width + x - 1:(y - 1 + row) * self.width + x - 1 + w]
                        for row in range(self.line_height)]
        raise KeyError(code)

    def layout_faults(self):
        """Entries whose cell leaves the image or overlaps another, duplicate codes, and ink
        outside every cell."""
        faults = []
        owner = {}
        for code, x, y, w in self.entries:
            if x < 1 or y < 1 or x - 1 + w > self.width or y - 1 + self.line_height > self.height:
                faults.append("cell of %d leaves the image" % code)
                continue
            for row in range(y - 1, y - 1 + self.line_height):
                for column in range(x - 1, x - 1 + w):
                    if (column, row) in owner:
                        faults.append("cells of %d and %d overlap" % (owner[(column, row)], code))
                        break
                    owner[(column, row)] = code
        codes = [entry[0] for entry in self.entries]
        if len(set(codes)) != len(codes):
            faults.append("duplicate codes")
        stray = sum(1 for row in range(self.height) for column in range(self.width)
                    if self.image[row * self.width + column] and (column, row) not in owner)
        if stray:
            faults.append("%d inked pixels outside the cells" % stray)
        return faults


def read_krf(path):
    with open(path, "rb") as f:
        return KrfFile(f.read())


def ink_rows(cell):
    return [row for row, pixels in enumerate(cell) if any(pixels)]


class ToolRun(unittest.TestCase):
    """Runs krfmake in a temporary directory of its own."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="krfmake-test-")
        self.addCleanup(shutil.rmtree, self.dir, True)

    def krfmake(self, *args):
        return subprocess.run([KRFMAKE] + list(args), cwd=self.dir, capture_output=True, text=True, timeout=120)

    def out(self, name="out.krf"):
        return os.path.join(self.dir, name)


class BuildTest(ToolRun):
    def test_default_build_of_dejavu_sans(self):
        result = self.krfmake("--font", SANS, "--size", "12", "--width", "256", "--height", "128",
                              "--output", "out.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        font = read_krf(self.out())

        self.assertEqual(font.magic, b"KORFN")
        self.assertEqual(font.name_field, b"Sans".ljust(50, b"\0"))
        self.assertEqual((font.size, font.width, font.height), (12, 256, 128))
        # DejaVu Sans: ascender 1901, descender 483 of 2048 units, each rounded away from the
        # baseline at 12 px: 12 + 3. The digit zero advances 1303 units, hinted to 8 px.
        self.assertEqual(font.line_height, 15)
        self.assertEqual(font.nominal_width, 8)
        untouched = font.header[5:6] + font.header[57:70] + font.header[74:78] + font.header[84:]
        self.assertEqual(untouched, bytes(len(untouched)))
        self.assertEqual(font.count, len(DEFAULT_CODES))
        self.assertEqual(font.length, font.expected_length)
        self.assertEqual(font.display_name(), "Sans 12 256x128")

        self.assertEqual(sorted(entry[0] for entry in font.entries), DEFAULT_CODES)
        self.assertEqual(font.layout_faults(), [])

        self.assertTrue(any(any(row) for row in font.cell(ord("A"))))
        self.assertFalse(any(any(row) for row in font.cell(ord(" "))))
        # Glyphs stand on one baseline, an ascender below the cell's top; descenders go below it.
        a_rows, h_rows, g_rows = (ink_rows(font.cell(ord(c))) for c in "AHg")
        self.assertEqual(a_rows[-1], h_rows[-1])
        self.assertEqual(a_rows[-1], 11)
        self.assertGreater(g_rows[-1], a_rows[-1])
        self.assertGreater(a_rows[0], 0)

    def test_name_codes_and_size_options(self):
        result = self.krfmake("-f", os.path.join(DEJAVU, "DejaVuSansMono.ttf"), "-s", "20", "-W", "64", "-H", "48",
                              "-n", "Test Face", "-c", "0x61-0x63,65,65", "-o", "mono.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        font = read_krf(self.out("mono.krf"))
        self.assertEqual(font.name, "Test Face")
        self.assertEqual((font.size, font.width, font.height), (20, 64, 48))
        self.assertEqual(sorted(entry[0] for entry in font.entries), [65, 97, 98, 99])
        self.assertEqual({entry[3] for entry in font.entries}, {font.nominal_width})
        self.assertEqual(font.layout_faults(), [])

    def test_name_is_derived_from_family_and_style(self):
        result = self.krfmake("--font", os.path.join(DEJAVU, "DejaVuSans-Bold.ttf"), "--codes", "48", "--output",
                              "bold.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(read_krf(self.out("bold.krf")).name, "Sans Bold")

    def test_codes_without_glyph_are_left_out_with_a_note(self):
        result = self.krfmake("--font", SANS, "--codes", "1-3,65", "--output", "out.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("no glyph for 3 of the codes", result.stderr)
        self.assertEqual([entry[0] for entry in read_krf(self.out()).entries], [65])

    def test_help(self):
        result = self.krfmake("--help")
        self.assertEqual(result.returncode, 0)
        self.assertIn("--font", result.stdout)


class FailureTest(ToolRun):
    def assertFails(self, result, *texts):
        self.assertNotEqual(result.returncode, 0)
        for text in texts:
            self.assertIn(text, result.stderr)
        self.assertFalse(os.path.exists(self.out()), "no file may be written")

    def test_glyphs_that_do_not_fit_the_sheet(self):
        self.assertFails(self.krfmake("--font", SANS, "--width", "128", "--height", "64", "--output", "out.krf"),
                         "do not fit a 128x64 sheet")
        self.assertFails(self.krfmake("--font", SANS, "--width", "5", "--output", "out.krf"),
                         "the widest cell is")

    def test_font_that_cannot_be_read(self):
        missing = os.path.join(self.dir, "missing.ttf")
        self.assertFails(self.krfmake("--font", missing, "--output", "out.krf"),
                         'cannot open font file "%s"' % missing)
        not_a_font = os.path.join(self.dir, "notes.ttf")
        with open(not_a_font, "w") as f:
            f.write("not a font\n")
        self.assertFails(self.krfmake("--font", not_a_font, "--output", "out.krf"),
                         "is not a font file FreeType can read")

    def test_bad_options(self):
        cases = [
            (["--width", "65536"], 'bad value "65536" for --width'),
            (["--height", "0"], 'bad value "0" for --height'),
            (["--size", "12px"], 'bad value "12px" for --size'),
            (["--name", "N" * 50], "must have 1 to 49 characters"),
            (["--name", "Caf\u00e9"], "must be printable ASCII"),
            (["--codes", "65-64"], 'bad code list "65-64"'),
            (["--codes", "70000"], 'bad code list "70000"'),
            (["--colour", "red"], "unknown option --colour"),
            (["stray"], 'unexpected argument "stray"'),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                self.assertFails(self.krfmake("--font", SANS, "--output", "out.krf", *args), message)
        self.assertFails(self.krfmake("--font", SANS), "both --font and --output are required")


class ShippedFontsTest(unittest.TestCase):
    NAMES = ["default.krf", "Default.KRF", "label.krf", "text.krf", "title.krf", "small.krf", "mono.krf"]

    def test_every_shipped_font_is_well_formed(self):
        shipped = sorted(glob.glob(os.path.join(DATA, "*.krf")) + glob.glob(os.path.join(DATA, "*.KRF")))
        self.assertTrue(set(self.NAMES) <= {os.path.basename(path) for path in shipped})
        for path in shipped:
            with self.subTest(font=os.path.basename(path)):
                font = read_krf(path)
                self.assertEqual(font.magic, b"KORFN")
                self.assertIn(b"\0", font.name_field)
                self.assertTrue(font.name.isprintable() and font.name)
                self.assertEqual(font.length, font.expected_length)
                self.assertGreater(font.line_height, 0)
                self.assertGreater(font.nominal_width, 0)
                self.assertEqual(sorted(entry[0] for entry in font.entries), DEFAULT_CODES)
                self.assertEqual(font.layout_faults(), [])

    def test_the_two_default_fonts(self):
        self.assertEqual(read_krf(os.path.join(DATA, "default.krf")).display_name(), "Sans 12 256x128")
        # The font test window draws this sheet at (10,50), above its sample lines at y=250.
        sheet = read_krf(os.path.join(DATA, "Default.KRF"))
        self.assertLessEqual(sheet.height, 190)
        self.assertLessEqual(sheet.width, 780)


def main():
    global KRFMAKE, DATA
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--krfmake", required=True)
    parser.add_argument("--data", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data"))
    args, rest = parser.parse_known_args()
    KRFMAKE = os.path.abspath(args.krfmake)
    DATA = os.path.abspath(args.data)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
