#!/usr/bin/env python3
"""Reads a valgrind memcheck XML log and sorts its errors by whose they are.

    memcheck_report.py <log.xml> <program>

An error is the program's own when one of its stacks (where it happened, where the value
came from, where the block was allocated or freed), past the frames of the C and C++
runtimes and of valgrind's own replacements, first reaches code of <program>. Those are
printed whole and make the exit status 1. The rest happen inside the GL, GLUT and X libraries
or in code they generate at run time; they are counted, listed by kind and place, and do not
fail the check. Leak records are left out: this check is about reads, writes and values. Exit status 2 when the log cannot be read (the run ended before valgrind wrote it).
"""
import os
import sys
from collections import Counter
import xml.etree.ElementTree as ElementTree

RUNTIME_LIBRARIES = ("vgpreload_", "libc.so", "libstdc++.so", "libm.so", "libgcc_s.so", "ld-linux")


def frame_text(frame):
    function = frame.findtext("fn") or "???"
    if frame.findtext("file"):
        return f"{function} ({frame.findtext('file')}:{frame.findtext('line')})"
    return f"{function} (in {frame.findtext('obj') or '???'})"


def first_frame_past_runtime(stack):
    for frame in stack.findall("frame"):
        name = os.path.basename(frame.findtext("obj") or "")
        if not name.startswith(RUNTIME_LIBRARIES):
            return frame
    return None


def is_programs_own(error, program):
    for stack in error.findall("stack"):
        frame = first_frame_past_runtime(stack)
        if frame is not None and os.path.realpath(frame.findtext("obj") or "") == program:
            return True
    return False


def describe(error):
    lines = [error.findtext("what") or error.findtext("xwhat/text") or error.findtext("kind")]
    notes = [note.text for note in error.findall("auxwhat")]
    for index, stack in enumerate(error.findall("stack")):
        if index > 0 and index - 1 < len(notes):
            lines.append(" " + notes[index - 1])
        lines += ["   " + frame_text(frame) for frame in stack.findall("frame")]
    return lines


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    log, program = sys.argv[1], os.path.realpath(sys.argv[2])
    try:
        errors = [error for error in ElementTree.parse(log).getroot().findall("error")
                  if not (error.findtext("kind") or "").startswith("Leak_")]
    except (OSError, ElementTree.ParseError) as problem:
        print(f"no readable valgrind log: {problem}")
        return 2
    own = [error for error in errors if is_programs_own(error, program)]
    platform = Counter()
    for error in errors:
        if error not in own:
            top = error.find("stack/frame")
            platform[(error.findtext("kind"), frame_text(top) if top is not None else "no stack")] += 1
    for (kind, where), count in platform.most_common():
        print(f"in the platform libraries: {count} x {kind} at {where}")
    for error in own:
        print("\n".join(describe(error)))
    print(f"{len(own)} errors in the program, {len(errors) - len(own)} in the platform libraries")
    return 1 if own else 0


if __name__ == "__main__":
    sys.exit(main())
