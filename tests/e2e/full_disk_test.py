"""Files that can't be written on a full disk leave the earlier ones as they were. Each run is in
a small tmpfs filled to the last block: the console's settings ("app.log" linked to a file
outside it), drev render over an existing picture, a golden update, and krfmake over an
existing font. Every earlier file stays byte for byte with no temporary file beside it, each
failure is named with its reason, and the exit status says so. Mounting needs user namespaces
(unshare -rm) or root with CAP_SYS_ADMIN; without either the test fails rather than pass without
having run."""

import argparse
import os
import shutil
import subprocess
import sys
import unittest

import drevtest
from consoletest import FILE_ERROR

KRFMAKE = None
SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

# Run by sh with the mount point, the work directory and a command as $1, $2 and $3. The files
# of the work directory's "before" folder are copied into the tmpfs, which is then filled; the
# command runs there, and what it left is copied to "after". "mounted" says the tmpfs was in
# place. 97: the setup failed.
FULL_DISK_RUN = r"""
mount -t tmpfs -o size=256k tmpfs "$1" || exit 97
trap 'cd / && umount "$1"' EXIT
touch "$2/mounted"
cd "$1" && cp -P "$2"/before/* . || exit 97
dd if=/dev/zero of=filler bs=4096 2>/dev/null
eval "$3"
status=$?
rm filler && mkdir "$2/after" && cp -P * "$2/after"
exit $status
"""

PREVIOUS = "Language 2\nText kept\nValue 1.500000\n"

# A private mount namespace needs no privileges and leaves nothing mounted; the plain mount is
# for a root without user namespaces.
MOUNTERS = (["unshare", "-rm"], [])


class FullDiskTest(unittest.TestCase):
    def setUp(self):
        self.work = drevtest.WorkDir()
        self.addCleanup(self.work.remove)
        self.before = self.work.file("before")
        os.mkdir(self.before)

    def run_on_full_disk(self, command, stdin=b""):
        """Runs command in the full tmpfs; checks that every file put there stays as it was."""
        disk = self.work.file("disk")
        os.mkdir(disk)
        env = dict(os.environ, DREV=drevtest.DREV, KRFMAKE=KRFMAKE, DATA=drevtest.DATA, SANS=SANS, DISPLAY="")
        failures = []
        for mounter in MOUNTERS:
            proc = subprocess.run(mounter + ["sh", "-c", FULL_DISK_RUN, "sh", disk, self.work.path, command],
                                  input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env,
                                  timeout=120)
            if self.work.exists("mounted"):
                break
            failures.append("%s: %s" % (" ".join(mounter) or "mount", proc.stderr.decode(errors="replace")))
        else:
            self.fail("no small tmpfs could be mounted:\n" + "\n".join(failures))
        self.assertEqual(drevtest.snapshot(self.work.file("after")), drevtest.snapshot(self.before))
        return proc

    def test_settings_that_cannot_be_written_leave_the_previous_file(self):
        for name in os.listdir(drevtest.DATA):
            if name.endswith(".txt") or name == "DREV.cfg":
                shutil.copy(os.path.join(drevtest.DATA, name), self.before)
        with open(os.path.join(self.before, "DREV1.cfg"), "w") as f:
            f.write(PREVIOUS)
        os.symlink(self.work.file("app.log"), os.path.join(self.before, "app.log"))

        proc = self.run_on_full_disk('"$DREV"', stdin=b"\n\n801\nexit\n\n")
        self.assertEqual(proc.returncode, 1, proc.stderr.decode(errors="replace"))
        self.assertTrue(proc.stdout.decode("latin-1").endswith("> " + FILE_ERROR))
        records = [drevtest.strip_stamp(line) for line in self.work.log_lines()[-2:]]
        self.assertEqual(records, ["ERROR   : Settings file [DREV1.cfg] not written: No space left on device",
                                   "RECORD  : Program end"])

    def test_pictures_goldens_and_fonts_that_cannot_be_written_leave_the_earlier_files(self):
        ui = os.path.join(drevtest.DATA, "vantora.ui")
        for name in ("out.png", "g.png"):
            code, _, err = drevtest.run_command(["render", ui, "--at", "0", "-o", os.path.join(self.before, name)],
                                                self.work.path, env={"DISPLAY": ""})
            self.assertEqual(code, 0, err)
        with open(os.path.join(self.before, "g.png.txt"), "w") as f:
            f.write("GL_RENDERER: softpipe\nGL_VERSION: 3.3\n")
        shutil.copy(os.path.join(drevtest.DATA, "mono.krf"), os.path.join(self.before, "old.krf"))

        # The second render writes its picture outside, so that it reaches the golden's update.
        proc = self.run_on_full_disk('"$DREV" render "$DATA/vantora.ui" -o out.png\n'
                                     'echo $? > "$2/statuses"\n'
                                     '"$DREV" render "$DATA/vantora.ui" -o "$2/x.png" --compare g.png --update\n'
                                     'echo $? >> "$2/statuses"\n'
                                     '"$KRFMAKE" --font "$SANS" --output old.krf\n'
                                     'echo $? >> "$2/statuses"\n')
        self.assertEqual(proc.returncode, 0)
        self.assertEqual(self.work.read("statuses").split(), ["2", "2", "2"])
        self.assertEqual(proc.stderr.decode().splitlines(), [
            "drev: cannot write out.png: No space left on device",
            "drev: cannot write the golden g.png: No space left on device",
            'krfmake: cannot write "old.krf": No space left on device'])


if __name__ == "__main__":
    argv = drevtest.parse_args()
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--krfmake", required=True)
    args, rest = parser.parse_known_args(argv[1:])
    KRFMAKE = os.path.abspath(args.krfmake)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
