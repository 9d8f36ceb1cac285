"""Shared helpers for the end-to-end tests: they run the real `drev` binary in a temporary
working directory that holds its own copies of the table, font and UI files."""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

DREV = None
DATA = None

STAMP = r"\d\d/\d\d/\d\d \d\d:\d\d:\d\d - "


def parse_args():
    """Takes --drev and --data off the command line and leaves the rest to unittest."""
    global DREV, DATA
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--drev", required=True)
    parser.add_argument("--data", required=True)
    args, rest = parser.parse_known_args()
    DREV = os.path.abspath(args.drev)
    DATA = os.path.abspath(args.data)
    return [sys.argv[0]] + rest


def main():
    argv = parse_args()
    unittest.main(argv=argv, verbosity=2)


class WorkDir:
    """A temporary working directory, optionally filled with copies of files from data/."""

    def __init__(self, *data_files):
        self.path = tempfile.mkdtemp(prefix="drev-e2e-")
        for name in data_files:
            shutil.copy(os.path.join(DATA, name), self.path)

    def copy_all_data(self):
        for name in os.listdir(DATA):
            source = os.path.join(DATA, name)
            if os.path.isfile(source) and name not in ("app.log", "DREV1.cfg"):
                shutil.copy(source, self.path)
        return self

    def file(self, name):
        return os.path.join(self.path, name)

    def write(self, name, text, encoding="latin-1"):
        with open(self.file(name), "w", encoding=encoding, newline="") as f:
            f.write(text)

    def read(self, name):
        with open(self.file(name), "r", encoding="latin-1", newline="") as f:
            return f.read()

    def exists(self, name):
        return os.path.exists(self.file(name))

    def log_lines(self):
        return self.read("app.log").split("\n")[:-1]

    def remove(self):
        shutil.rmtree(self.path, ignore_errors=True)


def run_drev(workdir, stdin_text="", timeout=30, env=None):
    """Runs drev with stdin_text on a pipe; returns (exit code, stdout text)."""
    full_env = dict(os.environ)
    if env:
        full_env.update(env)
    proc = subprocess.run([DREV], cwd=workdir.path, input=stdin_text.encode("latin-1"),
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout, env=full_env)
    return proc.returncode, proc.stdout.decode("latin-1")


def run_command(args, cwd, env=None, timeout=120):
    """Runs drev with command-line arguments; returns (exit code, stdout text, stderr text)."""
    full_env = dict(os.environ)
    if env:
        full_env.update(env)
    proc = subprocess.run([DREV] + list(args), cwd=cwd, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, timeout=timeout, env=full_env)
    return proc.returncode, proc.stdout.decode("latin-1"), proc.stderr.decode("latin-1")


def strip_stamp(line):
    """The log line without its date and time, so it can be compared exactly."""
    return re.sub("^" + STAMP, "", line)
