"""Shared helpers for the end-to-end tests: they run the real `drev` binary in a temporary
working directory that holds its own copies of the table, font and UI files."""

import argparse
import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import termios
import time
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


def snapshot(folder):
    """Every entry of a folder as it stands: a file's bytes, a link's target, so that a test can
    check that a command left all of them as they were and made none."""
    entries = {}
    for name in os.listdir(folder):
        path = os.path.join(folder, name)
        if os.path.islink(path):
            entries[name] = ("link", os.readlink(path))
        elif os.path.isfile(path):
            with open(path, "rb") as f:
                entries[name] = f.read()
        else:
            entries[name] = ("folder",)
    return entries


def strip_stamp(line):
    """The log line without its date and time, so it can be compared exactly."""
    return re.sub("^" + STAMP, "", line)


class Running:
    """drev running in a work directory; wait_for() reads what it writes, as it comes."""

    # How the terminal or pipe ends the lines drev writes.
    line_end = "\n"

    def __init__(self, proc, output):
        self.proc = proc
        self.output_fd = output
        self.output = b""
        self.mark = 0

    def wait_for(self, text, timeout=10):
        """Reads until text shows up after the previous mark; returns what came before it.
        Line ends are compared and returned as "\n"."""
        data = text.replace("\n", self.line_end).encode("latin-1")
        deadline = time.monotonic() + timeout
        while data not in self.output[self.mark:]:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise AssertionError("no %r in %r" % (text, self.output[self.mark:][-300:]))
            ready, _, _ = select.select([self.output_fd], [], [], remaining)
            if ready:
                try:
                    chunk = os.read(self.output_fd, 4096)
                except OSError:
                    chunk = b""
                if not chunk:
                    raise AssertionError("output closed before %r" % text)
                self.output += chunk
        start = self.mark
        found = self.output.index(data, start)
        self.mark = found + len(data)
        return self.output[start:found].decode("latin-1").replace(self.line_end, "\n")


class Terminal(Running):
    """drev on a pseudo-terminal; the test keeps the terminal side open to read its settings."""

    line_end = "\r\n"

    def __init__(self, work):
        self.master, self.terminal = pty.openpty()
        super().__init__(subprocess.Popen([DREV], cwd=work.path, stdin=self.terminal, stdout=self.terminal,
                                          stderr=subprocess.DEVNULL), self.master)

    def type(self, text):
        os.write(self.master, text.encode("latin-1"))

    def local_modes(self):
        return termios.tcgetattr(self.terminal)[3]

    def keys_mode(self):
        """True while the terminal reads single keys without echo."""
        return not self.local_modes() & (termios.ICANON | termios.ECHO)

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()
        os.close(self.master)
        os.close(self.terminal)


class Piped(Running):
    """drev with its standard input and output on pipes."""

    def __init__(self, work):
        proc = subprocess.Popen([DREV], cwd=work.path, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL)
        super().__init__(proc, proc.stdout.fileno())

    def type(self, text):
        self.proc.stdin.write(text.encode("latin-1"))
        self.proc.stdin.flush()

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()
        self.proc.stdin.close()
        self.proc.stdout.close()
