#!/usr/bin/env python3
"""Runs the frame benchmark (bench_frame) on a private Xvfb display, where Mesa draws in
software, and stops the server by its process id afterwards. Arguments after the binary are
passed to the benchmark. Usage: frame_bench.py <bench_frame> [benchmark options...]"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from xserver import XServer  # noqa: E402


def main():
    if len(sys.argv) < 2:
        print("usage: frame_bench.py <bench_frame> [benchmark options...]", file=sys.stderr)
        return 2
    server = XServer()
    try:
        return subprocess.run(sys.argv[1:], env=server.env()).returncode
    finally:
        server.stop()


if __name__ == "__main__":
    sys.exit(main())
