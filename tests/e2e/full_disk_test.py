"""The settings file on a full disk: drev runs in a small tmpfs filled to the last block, "app.log"
linked to a file outside it. The previous "DREV1.cfg" stays as it was with no temporary file
beside it, the console shows the message, the log names the file and the reason, the exit status
is 1. Mounting needs user namespaces (unshare -rm) or root with CAP_SYS_ADMIN; without either the
test fails rather than pass without having run."""

import os
import subprocess
import unittest

import drevtest
from consoletest import FILE_ERROR

# Run by sh with the mount point, the work directory and drev as $1, $2 and $3. The work
# directory holds the sample data, and receives "mounted" once the tmpfs is in place, then the
# settings file as the run left it and the list of files beside it. 97: the setup failed.
FULL_DISK_RUN = r"""
mount -t tmpfs -o size=256k tmpfs "$1" || exit 97
trap 'cd / && umount "$1"' EXIT
touch "$2/mounted"
cd "$1" && cp "$2"/*.txt "$2/DREV.cfg" "$2/DREV1.cfg" . && ln -s "$2/app.log" app.log || exit 97
dd if=/dev/zero of=filler bs=4096 2>/dev/null
"$3"
status=$?
cp DREV1.cfg "$2/DREV1.after"
ls -A > "$2/listing"
exit $status
"""

PREVIOUS = "Language 2\nText kept\nValue 1.500000\n"

# A private mount namespace needs no privileges and leaves nothing mounted; the plain mount is
# for a root without user namespaces.
MOUNTERS = (["unshare", "-rm"], [])


class FullDiskTest(unittest.TestCase):
    def test_settings_that_cannot_be_written_leave_the_previous_file(self):
        work = drevtest.WorkDir().copy_all_data()
        self.addCleanup(work.remove)
        work.write("DREV1.cfg", PREVIOUS)
        disk = work.file("disk")
        os.mkdir(disk)
        failures = []
        for mounter in MOUNTERS:
            proc = subprocess.run(mounter + ["sh", "-c", FULL_DISK_RUN, "sh", disk, work.path, drevtest.DREV],
                                  input=b"\n\n801\nexit\n\n", stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                  timeout=60)
            if work.exists("mounted"):
                break
            failures.append("%s: %s" % (" ".join(mounter) or "mount", proc.stderr.decode(errors="replace")))
        else:
            self.fail("no small tmpfs could be mounted:\n" + "\n".join(failures))

        self.assertEqual(proc.returncode, 1, proc.stderr.decode(errors="replace"))
        self.assertTrue(proc.stdout.decode("latin-1").endswith("> " + FILE_ERROR))
        self.assertEqual(work.read("DREV1.after"), PREVIOUS)
        self.assertEqual(sorted(work.read("listing").split()),
                         sorted(["DREV.cfg", "DREV1.cfg", "app.log", "filler"] +
                                [name for name in os.listdir(work.path) if name.endswith(".txt")]))
        records = [drevtest.strip_stamp(line) for line in work.log_lines()[-2:]]
        self.assertEqual(records, ["ERROR   : Settings file [DREV1.cfg] not written: No space left on device",
                                   "RECORD  : Program end"])


if __name__ == "__main__":
    drevtest.main()
