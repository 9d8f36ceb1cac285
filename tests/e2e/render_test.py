"""drev render FILE -o OUT.png: pictures written without a display and without app.log, scaled by
--size, compared with goldens (the diff picture, --max-pixels, --update, another renderer), and
every failure with its message and status: input errors, files that can't be read or written,
bad goldens, usage errors. Broken, empty, huge and cut-short inputs never crash check or render."""

import os
import shutil
import unittest

import drevtest
import xserver

VANTORA = None
TEAL = (26, 128, 128)
NO_DISPLAY = {"DISPLAY": ""}


def krf_header(width, height, count, line_height=16, nominal_width=10, name=b"Huge"):
    header = bytearray(256)
    header[0:5] = b"KORFN"
    header[6:6 + len(name)] = name
    header[56] = 12
    for offset, value in ((70, width), (72, height), (78, count), (80, line_height), (82, nominal_width)):
        header[offset:offset + 2] = value.to_bytes(2, "little")
    return bytes(header)


class RenderTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir()
        self.addCleanup(self.work.remove)

    def render(self, *args, env=None):
        code, out, err = drevtest.run_command(["render"] + list(args), self.work.path,
                                              env=NO_DISPLAY if env is None else env)
        self.assertEqual(out, "")
        return code, err.splitlines()

    def picture(self, name):
        return xserver.Image.from_png(self.work.file(name))

    def test_ui_file_renders_without_a_display_and_writes_only_the_picture(self):
        self.assertEqual(self.render(VANTORA, "-o", "out.png"), (0, []))
        self.assertEqual(os.listdir(self.work.path), ["out.png"])
        shot = self.picture("out.png")
        self.assertEqual((shot.width, shot.height), (800, 600))
        # Only the widgets on the window's teal: no backdrop triangle under the top centre.
        self.assertEqual(shot.pixel(400, 180), TEAL)
        self.assertEqual(shot.pixel(5, 300), TEAL)

    def test_size_scales_the_picture_laid_out_for_800_by_600(self):
        font = os.path.join(drevtest.DATA, "Default.KRF")
        self.assertEqual(self.render(font, "-o", "small.png", "--size", "400x300"), (0, []))
        shot = self.picture("small.png")
        self.assertEqual((shot.width, shot.height), (400, 300))
        self.assertTrue(xserver.close(shot.pixel(0, 0), (155, 0, 0), 4), shot.pixel(0, 0))
        self.assertTrue(xserver.close(shot.pixel(399, 299), (0, 0, 155), 4), shot.pixel(399, 299))
        self.assertEqual(self.render(font, "-o", "wide.png", "--size", "1x2"), (0, []))
        self.assertEqual((self.picture("wide.png").width, self.picture("wide.png").height), (1, 2))

    def test_compare_failure_marks_the_differences_and_update_replaces_the_golden(self):
        self.assertEqual(self.render(VANTORA, "-o", "golden.png", "--at", "0"), (0, []))
        code, lines = self.render(VANTORA, "-o", "out.png", "--compare", "golden.png")
        self.assertEqual(code, 1)
        self.assertEqual(len(lines), 3, lines)
        self.assertRegex(lines[0], r"^drev: out.png differs from the golden golden.png: \d+ pixels differ by more "
                                   r"than 3 \(at most 0 may\); the largest channel difference is \d+$")
        self.assertTrue(lines[1].startswith("drev: golden.png.txt names no renderer; this picture was drawn by "))
        self.assertEqual(lines[2], "drev: the differing pixels are marked in red in out-diff.png")
        differing = int(lines[0].split(": ")[2].split(" ")[0])
        diff = self.picture("out-diff.png")
        red = diff.count(lambda p: p == (255, 0, 0), 0, 0, 800, 600)
        self.assertEqual(red, differing)
        # The settled picture is still written; where both show teal the diff shows it dimmed.
        self.assertEqual(self.picture("out.png").width, 800)
        self.assertEqual(diff.pixel(400, 180), tuple(c // 3 for c in TEAL))
        self.assertEqual(diff.pixel(40, 40), (255, 0, 0))

        self.assertEqual(self.render(VANTORA, "-o", "out.png", "--compare", "golden.png", "--max-pixels",
                                     str(differing)), (0, []))
        self.assertEqual(self.render(VANTORA, "-o", "out.png", "--compare", "golden.png", "--update"),
                         (0, ["drev: updated the golden golden.png"]))
        self.assertTrue(self.work.read("golden.png.txt").startswith("GL_RENDERER: "))
        self.assertEqual(self.render(VANTORA, "-o", "again.png", "--compare", "golden.png", "--tolerance", "0"),
                         (0, []))

    def test_golden_from_another_renderer_is_named_in_the_failure(self):
        self.assertEqual(self.render(VANTORA, "-o", "golden.png", "--at", "0"), (0, []))
        self.work.write("golden.png.txt", "GL_RENDERER: softpipe\nGL_VERSION: 3.3 (Core Profile) Mesa 20.0\n")
        code, lines = self.render(VANTORA, "-o", "out.png", "--compare", "golden.png")
        self.assertEqual(code, 1)
        self.assertTrue(lines[1].startswith("drev: the golden was made by another renderer (softpipe, 3.3 (Core "
                                            "Profile) Mesa 20.0); this picture was drawn by "), lines[1])

    def test_bad_goldens(self):
        self.work.write("text.png", "no picture here\n")
        self.assertEqual(self.render(VANTORA, "-o", "out.png", "--compare", "text.png"),
                         (2, ["drev: cannot read the golden text.png: not a PNG file"]))
        self.assertEqual(self.render(VANTORA, "-o", "out.png", "--compare", "absent.png"),
                         (2, ["drev: cannot read the golden absent.png: No such file or directory"]))
        with open(self.work.file("out.png"), "rb") as f:
            whole = f.read()
        with open(self.work.file("cut.png"), "wb") as f:
            f.write(whole[:len(whole) // 2])
        code, lines = self.render(VANTORA, "-o", "out.png", "--compare", "cut.png")
        self.assertEqual(code, 2)
        self.assertTrue(lines[0].startswith("drev: cannot read the golden cut.png: "), lines)
        self.assertEqual(self.render(VANTORA, "-o", "small.png", "--size", "80x60"), (0, []))
        self.assertEqual(self.render(VANTORA, "-o", "out.png", "--compare", "small.png"),
                         (1, ["drev: out.png is 800x600 but the golden small.png is 80x60"]))

    def test_input_with_errors_is_still_drawn_and_reported(self):
        self.work.write("bad.ui", 'uiWindow "W" "Application" { Left 10 Top 10 Width 200 Height 100 }\n'
                                  'uiButton "B" "Nowhere" { Width 10 Height 10 }\n')
        self.assertEqual(self.render("bad.ui", "-o", "bad.png"), (1, [
            "bad.ui:2: error: UI file [bad.ui] not correct: problem in item [Nowhere]>[B:uiButton] "
            "(Parent [Nowhere] of item [B:uiButton] not found)"]))
        self.assertNotEqual(self.picture("bad.png").pixel(12, 60), TEAL)

        self.work.write("empty.krf", "")
        self.assertEqual(self.render("empty.krf", "-o", "empty.png"),
                         (1, ["empty.krf: error: Wrong data in KORU font file [empty.krf]"]))
        shot = self.picture("empty.png")
        self.assertTrue(xserver.close(shot.pixel(1, 1), (155, 0, 0), 4))
        self.assertEqual(shot.count(lambda p: min(p) > 200, 0, 0, 800, 600), 0)

    def test_inputs_and_outputs_that_cannot_be_used(self):
        os.mkdir(self.work.file("folder.ui"))
        os.mkdir(self.work.file("folder.krf"))
        cases = [
            (["folder.ui", "-o", "x.png"], "drev: cannot read folder.ui: Is a directory"),
            (["folder.krf", "-o", "x.png"], "drev: cannot read folder.krf: Is a directory"),
            (["absent.ui", "-o", "x.png"], "drev: cannot read absent.ui: No such file or directory"),
            ([VANTORA, "-o", "nowhere/x.png"], "drev: cannot write nowhere/x.png: No such file or directory"),
            ([VANTORA, "-o", "folder.ui"], "drev: cannot write folder.ui: Is a directory"),
            ([VANTORA, "-o", "x.png", "--log", "nowhere/r.log"],
             "drev: cannot write the log file nowhere/r.log: No such file or directory"),
            ([VANTORA, "-o", "y.png", "--compare", "nowhere/g.png", "--update"],
             "drev: cannot write the golden nowhere/g.png: No such file or directory"),
        ]
        if os.geteuid() == 0:
            cases.append(([VANTORA, "-o", "/sys/drev-render.png"], "drev: cannot write /sys/drev-render.png: "
                                                                    "Permission denied"))
        else:
            os.mkdir(self.work.file("locked"), 0o555)
            cases.append(([VANTORA, "-o", "locked/x.png"], "drev: cannot write locked/x.png: Permission denied"))
        for args, message in cases:
            with self.subTest(args=args):
                self.assertEqual(self.render(*args), (2, [message]))
        self.assertFalse(self.work.exists("x.png"))

    def test_picture_and_log_never_land_on_the_files_in_use(self):
        shutil.copy(VANTORA, self.work.file("mine.ui"))
        self.assertEqual(self.render("mine.ui", "-o", "./mine.ui"),
                         (2, ["drev: -o ./mine.ui would write over the input file"]))
        self.assertEqual(self.render("mine.ui", "-o", "g.png", "--compare", "./g.png", "--update"),
                         (2, ["drev: -o g.png would write over the golden it is compared with"]))
        self.assertEqual(self.render("mine.ui", "-o", "out.png", "--log", "mine.ui"),
                         (2, ["drev: --log mine.ui would write over mine.ui"]))
        self.assertEqual(self.render("mine.ui", "-o", "out.png", "--log", "out.png"),
                         (2, ["drev: --log out.png would write over out.png"]))
        with open(VANTORA, "rb") as original, open(self.work.file("mine.ui"), "rb") as kept:
            self.assertEqual(original.read(), kept.read())
        self.assertFalse(self.work.exists("g.png"))
        # --update makes a golden that is not there yet.
        self.assertEqual(self.render("mine.ui", "-o", "out.png", "--compare", "g.png", "--update"),
                         (0, ["drev: updated the golden g.png"]))
        self.assertTrue(self.work.exists("g.png.txt"))

    def test_without_off_screen_gl_render_says_so_and_check_needs_none(self):
        no_egl = dict(NO_DISPLAY, __EGL_VENDOR_LIBRARY_FILENAMES="/nonexistent/egl.json")
        message = "drev: no off-screen GL: EGL has no surfaceless platform (Mesa's libegl-mesa0 is needed)"
        self.assertEqual(self.render(VANTORA, "-o", "x.png", env=no_egl), (2, [message]))
        self.assertEqual(drevtest.run_command(["check", VANTORA], self.work.path, env=no_egl), (0, "", ""))
        self.assertFalse(self.work.exists("x.png"))
        # A GL that stops at 3.1 has no 3.2 core context for the shader backend; EGL says why.
        old_gl = dict(NO_DISPLAY, MESA_GL_VERSION_OVERRIDE="3.1")
        self.assertEqual(self.render(VANTORA, "-o", "x.png", "--backend", "gl3", env=old_gl),
                         (2, ["drev: no off-screen GL: eglCreateContext for OpenGL 3.2 core failed (EGL_BAD_MATCH)"]))
        self.assertFalse(self.work.exists("x.png"))

    def test_usage_errors_print_one_line_and_the_usage(self):
        for args, message in ((["x.ui"], "drev: -o is required"),
                              (["x.ui", "-o", "x.png", "--size", "0x600"],
                               "drev: --size: each side must be from 1 to 8192, not 0x600"),
                              (["x.ui", "-o", "x.png", "--update"], "drev: --update requires --compare"),
                              (["notes.txt", "-o", "x.png"],
                               "drev: notes.txt is neither a UI file (.ui) nor a font (.krf)")):
            code, lines = self.render(*args)
            self.assertEqual(code, 2)
            self.assertEqual(lines[0], message)
            self.assertEqual(lines[1], "usage:")
            self.assertIn("drev --help | --version", lines)
        code, out, err = drevtest.run_command(["--help"], self.work.path)
        self.assertEqual((code, err), (0, ""))
        self.assertEqual(out.splitlines()[1], "drev                                   the console test bench, as today")
        code, out, err = drevtest.run_command(["--version"], self.work.path)
        self.assertEqual((code, err), (0, ""))
        self.assertRegex(out, r"^drev \d+\.\d+\.\d+\n$")

    def test_log_option_writes_the_log_there(self):
        self.assertEqual(self.render(VANTORA, "-o", "out.png", "--log", "render.log"), (0, []))
        log = [drevtest.strip_stamp(line) for line in self.work.read("render.log").splitlines()]
        self.assertEqual(log[0], "Logger inited correctly for file [render.log]")
        self.assertIn("RECORD  : Loaded an uiColortable with [14] entries from UI file [%s]" % VANTORA, log)


class BadInputTest(unittest.TestCase):
    """Files a user might hand over, to check and to render: each ends with a status and a message,
    never with a crash."""

    def setUp(self):
        self.work = drevtest.WorkDir()
        self.addCleanup(self.work.remove)
        with open(VANTORA, "rb") as f:
            sample = f.read()
        with open(os.path.join(drevtest.DATA, "Default.KRF"), "rb") as f:
            font = f.read()
        files = {
            "empty.ui": b"",
            "cut.ui": sample[:len(sample) // 2],
            "huge.ui": b"uiWindow \"W\" \"Application\" { Width 800 Height 600 }\n" + b"".join(
                b"uiLabel \"L%d\" \"W\" { Left %d Top %d Width 40 Height 12 Style { Aspect 2 } }\n"
                % (i, i * 7 % 760, i * 13 % 580) for i in range(40000)),
            "binary.ui": font[:5000],
            "empty.krf": b"",
            "cut.krf": font[:len(font) // 2],
            "huge.krf": krf_header(4096, 1024, 0) + bytes(4096 * 1024),
        }
        for name, data in files.items():
            with open(self.work.file(name), "wb") as f:
                f.write(data)
        self.assertGreater(os.path.getsize(self.work.file("huge.ui")), 3000000)

    def run_drev(self, *args):
        code, _, err = drevtest.run_command(list(args), self.work.path, env=NO_DISPLAY)
        self.assertGreaterEqual(code, 0, "killed by signal %d: %s" % (-code, err))
        self.assertNotIn("Sanitizer", err)
        return code, err.splitlines()

    def test_check_ends_with_a_status_for_every_file(self):
        expected = {"empty.ui": 0, "cut.ui": 1, "huge.ui": 0, "binary.ui": 1}
        for name, status in expected.items():
            with self.subTest(file=name):
                code, lines = self.run_drev("check", name)
                self.assertEqual(code, status, lines)
        code, lines = self.run_drev("check", "cut.ui")
        self.assertRegex(lines[-1], r"^cut.ui:\d+: error: UI file \[cut.ui\] not correct: ")

    def test_render_ends_with_a_status_and_a_picture(self):
        expected = {"empty.ui": 0, "cut.ui": 1, "huge.ui": 0, "binary.ui": 1, "empty.krf": 1, "cut.krf": 1,
                    "huge.krf": 0}
        for name, status in expected.items():
            with self.subTest(file=name):
                code, lines = self.run_drev("render", name, "-o", name + ".png")
                self.assertEqual(code, status, lines)
                with open(self.work.file(name + ".png"), "rb") as f:
                    header = f.read(24)
                self.assertEqual((header[1:4], int.from_bytes(header[16:20], "big")), (b"PNG", 800))
        self.assertEqual(self.run_drev("render", "cut.krf", "-o", "x.png"),
                         (1, ["cut.krf: error: Wrong image data in font file [cut.krf]"]))


if __name__ == "__main__":
    argv = drevtest.parse_args()
    VANTORA = os.path.join(drevtest.DATA, "vantora.ui")
    unittest.main(argv=argv, verbosity=2)
