"""krfmake builds .krf font files from TrueType fonts, pictures them and checks them with the
toolkit's reader; the fonts shipped in data/ are well-formed and rebuild byte for byte.

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
import zlib

import drevtest

KRFMAKE = None
DATA = None

DEJAVU = "/usr/share/fonts/truetype/dejavu"
SANS = os.path.join(DEJAVU, "DejaVuSans.ttf")
DEFAULT_CODES = list(range(32, 127)) + list(range(160, 256))
HEADER_SIZE = 256
ENTRY_SIZE = 8
BAD_FONTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "bad-inputs", "font")


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


def read_png(path):
    """Width, height and rows of (r, g, b) of an 8-bit RGB PNG, as krfmake's preview writes it."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    position, idat = 8, b""
    while position < len(data):
        length, kind = struct.unpack_from(">I4s", data, position)
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert (depth, colour, interlace) == (8, 2, 0), "not 8-bit RGB"
        elif kind == b"IDAT":
            idat += body
        position += 12 + length
    raw, stride, rows, previous = zlib.decompress(idat), width * 3, [], bytearray(width * 3)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 3] if i >= 3 else 0
            up, corner = previous[i], previous[i - 3] if i >= 3 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append([tuple(line[x * 3:x * 3 + 3]) for x in range(width)])
        previous = line
    return width, height, rows


class ToolRun(unittest.TestCase):
    """Runs krfmake in a temporary directory of its own."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="krfmake-test-")
        self.addCleanup(shutil.rmtree, self.dir, True)

    def krfmake(self, *args):
        return subprocess.run([KRFMAKE] + list(args), cwd=self.dir, capture_output=True, text=True, timeout=120)

    def out(self, name="out.krf"):
        return os.path.join(self.dir, name)

    def write(self, name, data):
        with open(self.out(name), "wb") as f:
            f.write(data)
        return self.out(name)


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
            (["--padding", "65"], 'bad value "65" for --padding: expected a whole number from 0 to 64'),
            (["--size-auto", "--height", "64"], "--size-auto chooses the sheet's width and height"),
            (["--info", "x.krf"], "--info shows a font file and takes no building option such as --font"),
            (["--size"], "--size"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                result = self.krfmake("--font", SANS, "--output", "out.krf", *args)
                self.assertFails(result, message)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
        self.assertFails(self.krfmake("--font", SANS), "both --font and --output are required")


    def test_outputs_never_land_on_the_files_it_reads(self):
        shutil.copy(SANS, self.out("sans.ttf"))
        shutil.copy(os.path.join(DATA, "mono.krf"), self.out("mono.krf"))
        self.write("chars.txt", b"abc\n")
        os.symlink("sans.ttf", self.out("link.krf"))
        before = drevtest.snapshot(self.dir)
        cases = [
            (["--font", "sans.ttf", "--output", "link.krf"], "--output link.krf would write over --font sans.ttf"),
            (["--font", SANS, "--chars-file", "chars.txt", "--output", "./chars.txt"],
             "--output ./chars.txt would write over --chars-file chars.txt"),
            (["--font", SANS, "--output", "a.krf", "--preview", "a.krf"],
             "--output a.krf would write over --preview a.krf"),
            (["--info", "mono.krf", "--preview", "mono.krf"], "--preview mono.krf would write over --info mono.krf"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                result = self.krfmake(*args)
                self.assertEqual((result.returncode, result.stdout, result.stderr),
                                 (2, "", "krfmake: %s (see krfmake --help)\n" % message))
                self.assertEqual(drevtest.snapshot(self.dir), before)


class CharsFileAndPreviewTest(ToolRun):
    """A font from an author's own text and a picture of it, in one command."""

    def test_chars_file_and_preview_in_one_command(self):
        # A byte-order mark, CR LF, a character DejaVu Sans lacks (a CJK ideograph), one above
        # U+FFFF (an emoji), and Latin, Greek and Cyrillic letters and the euro sign.
        self.write("chars.txt", "\ufeffGröße € 5\r\nΑλφα Жж\r\n中 \U0001F600\n".encode("utf-8"))
        result = self.krfmake("--font", SANS, "--chars-file", "chars.txt", "--size-auto", "--output", "out.krf",
                              "--preview", "out.png")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("chars.txt has 1 character above U+FFFF, beyond the 16-bit codes of a font file, "
                      "left out: U+1F600", result.stderr)
        self.assertIn("the font has no glyph for 1 of the codes, left out: U+4E2D", result.stderr)
        font = read_krf(self.out())
        self.assertEqual(sorted(entry[0] for entry in font.entries),
                         sorted(set(map(ord, "Größe€5Αλφα Жж"))))
        self.assertEqual((font.width, font.height), (64, 32))
        self.assertEqual(font.layout_faults(), [])

        # The picture: the sheet at four times its size, each glyph's ink where the cell says.
        width, height, rows = read_png(self.out("out.png"))
        self.assertGreaterEqual(width, 64 * 4)
        self.assertGreater(height, 32 * 4)
        top, checked = self.sheet_top(rows), 0
        for code, x, y, w in font.entries:
            cell = font.cell(code)
            inked = [(column, row) for row in range(font.line_height) for column in range(w)
                     if cell[row][column] == 255]
            for column, row in inked[:3]:
                self.assertEqual(rows[top + (y - 1 + row) * 4 + 1][16 + (x - 1 + column) * 4 + 1], (20, 20, 24),
                                 "glyph %04X" % code)
                checked += 1
        self.assertGreater(checked, 20)

    def sheet_top(self, rows):
        """The first row of the sheet's picture: the row below its frame, which is the first thing
        drawn left of the text's margin."""
        for y, row in enumerate(rows):
            if row[15] != (250, 250, 250):
                return y + 1
        self.fail("no sheet frame in the picture")

    def test_chars_file_that_is_not_utf8(self):
        self.write("chars.txt", b"abc\n\xc3\xa9\xc3(x\n")
        result = self.krfmake("--font", SANS, "--chars-file", "chars.txt", "--output", "out.krf")
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr, "chars.txt:2: error: invalid UTF-8 at byte offset 6: the character that "
                                        "byte 0xC3 begins is cut short by byte 0x28\n")
        self.assertFalse(os.path.exists(self.out()))

    def test_chars_file_adds_to_the_chars_list(self):
        self.write("chars.txt", "€".encode("utf-8"))
        result = self.krfmake("--font", SANS, "--chars", "U+0041-U+0043", "--chars-file", "chars.txt",
                              "--output", "out.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual([entry[0] for entry in read_krf(self.out()).entries], [65, 66, 67, 0x20AC])
        missing = self.krfmake("--font", SANS, "--chars-file", "nothing.txt", "--output", "out.krf")
        self.assertEqual(missing.returncode, 2)
        self.assertIn('cannot read characters file "nothing.txt"', missing.stderr)


class SheetTest(ToolRun):
    def test_padding_shows_in_the_cell_positions(self):
        for padding in (0, 1, 3):
            with self.subTest(padding=padding):
                result = self.krfmake("--font", SANS, "--chars", "65-90", "--padding", str(padding),
                                      "--width", "128", "--height", "128", "--output", "out.krf")
                self.assertEqual(result.returncode, 0, result.stderr)
                font = read_krf(self.out())
                self.assertEqual(font.layout_faults(), [])
                rows = {}
                for code, x, y, w in font.entries:
                    rows.setdefault(y, []).append((x, w))
                self.assertEqual(sorted(rows)[:2], [1, 1 + font.line_height + padding])
                for cells in rows.values():
                    cells.sort()
                    self.assertEqual(cells[0][0], 1)
                    for (x, w), (next_x, _) in zip(cells, cells[1:]):
                        self.assertEqual(next_x, x + w + padding)

    def test_size_auto_takes_the_smallest_sheet_that_holds_every_glyph(self):
        result = self.krfmake("--font", SANS, "--size-auto", "--output", "out.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("sheet 256x128 (the smallest that holds them)", result.stdout)
        self.assertEqual((read_krf(self.out()).width, read_krf(self.out()).height), (256, 128))
        # With Latin Extended-A, Greek and Cyrillic the glyphs need twice the room.
        result = self.krfmake("--font", SANS, "--size-auto", "--chars", "32-126,160-383,0x370-0x4FF",
                              "--output", "out.krf")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual((read_krf(self.out()).width, read_krf(self.out()).height), (512, 256))

    def test_fixed_sheet_that_is_too_small_names_the_glyphs_left_over(self):
        result = self.krfmake("--font", SANS, "--width", "128", "--height", "64", "--output", "out.krf")
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr, "krfmake: 124 of the 191 glyphs at 12 px do not fit a 128x64 sheet: they "
                                        "need 13 rows of 15 px, the sheet has room for 4; use a larger "
                                        "--width/--height, --size-auto or a smaller --size\n")
        self.assertFalse(os.path.exists(self.out()))


class InfoTest(ToolRun):
    """--info shows any font file and checks it as the toolkit's reader does."""

    def test_info_on_a_good_font(self):
        path = os.path.join(DATA, "default.krf")
        result = self.krfmake("--info", path)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, "")
        lines = result.stdout.splitlines()
        self.assertEqual(lines[:9], ["file           " + path,
                                     'name           "Sans"',
                                     "size           12",
                                     "sheet          256 x 128",
                                     "glyphs         191",
                                     "line height    15",
                                     "nominal width  8",
                                     'display name   "Sans 12 256x128"',
                                     ""])
        self.assertEqual(lines[9].split(), ["entry", "code", "x", "y", "width", "character"])
        table = lines[10:]
        font = read_krf(path)
        self.assertEqual(len(table), 191)
        for number, (line, (code, x, y, w)) in enumerate(zip(table, font.entries), 1):
            # The soft hyphen takes no room when shown: it gets a stand-in.
            character = "<format>" if code == 0xAD else "'%s'" % chr(code)
            self.assertEqual(line.split(None, 5), [str(number), "U+%04X" % code, str(x), str(y), str(w), character])

    def test_info_on_each_defect_class(self):
        good = open(os.path.join(DATA, "small.krf"), "rb").read()
        font = KrfFile(good)
        table_end = HEADER_SIZE + ENTRY_SIZE * font.count
        cases = [("cut_header.krf", good[:HEADER_SIZE - 1], "Wrong data in KORU font file [%s]", False),
                 ("wrong_magic.krf", b"KORFX" + good[5:], "Wrong data in KORU font file [%s]", False),
                 ("cut_table.krf", good[:table_end - 1], "Wrong characterTable data in font file [%s]", True),
                 ("cut_image.krf", good[:-1], "Wrong image data in font file [%s]", True)]
        for name, data, message, header_shown in cases:
            with self.subTest(name):
                self.write(name, data)
                result = self.krfmake("--info", name)
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stderr, "krfmake: " + message % name + "\n")
                self.assertEqual(result.stdout.startswith("file           " + name), header_shown)
                self.assertEqual("U+0041" in result.stdout, name == "cut_image.krf")

    def test_info_says_what_the_toolkit_says_of_every_bad_input_font(self):
        """The toolkit's reader test and --info judge the same files by the same sidecars."""
        for path in sorted(glob.glob(os.path.join(BAD_FONTS, "*.krf"))):
            with self.subTest(os.path.basename(path)):
                expected = {}
                with open(path[:-4] + ".expected") as f:
                    for line in f:
                        if line.strip() and not line.startswith("#"):
                            key, _, value = line.rstrip("\n").partition(" ")
                            expected.setdefault(key, []).append(value)
                result = self.krfmake("--info", path)
                # A sheet the GL cannot hold is the GL's limit, not a defect of the file: the
                # toolkit refuses it, --info warns of it.
                gl_limit = [line for line in expected.get("log", []) if "larger than the largest OpenGL texture" in line]
                if gl_limit:
                    self.assertEqual(result.returncode, 0, result.stderr)
                    self.assertIn("sheet is larger than many OpenGL implementations take as one texture", result.stderr)
                elif expected["result"] == ["loaded"]:
                    self.assertEqual(result.returncode, 0, result.stderr)
                    self.assertNotIn("krfmake: Wrong", result.stderr)
                else:
                    self.assertEqual(result.returncode, 1)
                    logged = [line.replace("{file}", path) for line in expected["log"]]
                    self.assertEqual(result.stderr.splitlines(), ["krfmake: " + line for line in logged])

    def test_warnings_do_not_change_the_exit_status(self):
        result = self.krfmake("--info", os.path.join(BAD_FONTS, "duplicate_codes.krf"))
        self.assertEqual(result.returncode, 0)
        self.assertIn("krfmake: warning: U+0041 is listed 3 times (entries 1, 2, 4); the toolkit takes entry 1",
                      result.stderr)
        result = self.krfmake("--info", os.path.join(BAD_FONTS, "cells_outside.krf"))
        self.assertEqual(result.returncode, 0)
        self.assertIn("krfmake: warning: entry 3 (U+0043): its cell at column 9, row 5, 8 x 4 px, reaches "
                      "outside the 8 x 4 sheet", result.stderr)
        result = self.krfmake("--info", os.path.join(BAD_FONTS, "trailing_bytes.krf"))
        self.assertIn("krfmake: warning: 300 bytes after the sheet are never read", result.stderr)

    def test_info_with_a_preview_and_on_files_that_cannot_be_read(self):
        result = self.krfmake("--info", os.path.join(DATA, "Default.KRF"), "--preview", "default.png")
        self.assertEqual(result.returncode, 0, result.stderr)
        width, height, _ = read_png(self.out("default.png"))
        self.assertEqual(width, 512 * 2 + 32)
        missing = self.krfmake("--info", "missing.krf")
        self.assertEqual((missing.returncode, missing.stderr),
                         (2, 'krfmake: cannot open "missing.krf": No such file or directory\n'))
        folder = self.krfmake("--info", ".")
        self.assertEqual((folder.returncode, folder.stderr), (2, 'krfmake: cannot open ".": it is a directory\n'))


class ShippedFontsTest(unittest.TestCase):
    NAMES = ["default.krf", "Default.KRF", "label.krf", "text.krf", "title.krf", "small.krf", "mono.krf",
             "european.krf"]
    # Latin-1, Latin Extended-A, the assigned codes of the Greek block, Cyrillic and the euro sign.
    EUROPEAN_CODES = sorted((set(DEFAULT_CODES) | set(range(0x100, 0x180)) | set(range(0x370, 0x500)) | {0x20AC})
                            - {0x378, 0x379, 0x380, 0x381, 0x382, 0x383, 0x38B, 0x38D, 0x3A2})

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
                codes = self.EUROPEAN_CODES if path.endswith("european.krf") else DEFAULT_CODES
                self.assertEqual(sorted(entry[0] for entry in font.entries), codes)
                self.assertEqual(font.layout_faults(), [])

    def test_the_font_beyond_latin1(self):
        font = read_krf(os.path.join(DATA, "european.krf"))
        self.assertEqual(font.display_name(), "Sans 16 512x512")
        self.assertEqual((font.count, font.line_height), (711, 19))
        for character in "€ŁĞőΩλЖщ":
            self.assertTrue(any(any(row) for row in font.cell(ord(character))), character)

    def test_default_options_rebuild_a_shipped_font_byte_for_byte(self):
        """The same call as make-fonts.sh: padding 1 and the Latin-1 codes are today's layout."""
        work = tempfile.mkdtemp(prefix="krfmake-test-")
        self.addCleanup(shutil.rmtree, work, True)
        rebuilt = os.path.join(work, "default.krf")
        result = subprocess.run([KRFMAKE, "--font", SANS, "--name", "Sans", "--size", "12", "--width", "256",
                                 "--height", "128", "--output", rebuilt], capture_output=True, text=True, timeout=120)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(rebuilt, "rb") as a, open(os.path.join(DATA, "default.krf"), "rb") as b:
            self.assertTrue(a.read() == b.read(), "default.krf rebuilt differs from the shipped one")

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
