#!/usr/bin/env bash
# Runs the real program under valgrind's memcheck:
#   1. a console session: start screen, every menu page, the information and about pages, a
#      switch to each language and back, an unknown command, then "exit";
#   2. one run of both windows under a private Xvfb: the font test window (command 8) drawing
#      for a few seconds, then the UI test window (command 7), its animations playing while the
#      mouse hovers, presses and releases a button and crosses the widgets and keys are typed,
#      then the font test window again; each is closed as a window manager's close button does,
#      so the run goes back to the menu, and it ends when its input does.
#     scripts/memcheck.sh <build-dir>
# Each run works in a scratch copy of data/. Nothing is suppressed; scripts/memcheck_report.py
# fails the check on every error that reaches the program's own code, and lists without failing
# those that happen wholly inside the GL, GLUT and X libraries (they differ with the machine and
# the X server). Exits 0 when every run is clean, 1 when valgrind
# reports an error of the program (or a run did not get where it should), 2 when a run could not
# be made. The valgrind logs are kept as memcheck-<run>.xml in the build directory.
set -uo pipefail

[ $# -eq 1 ] || { echo "usage: $0 <build-dir>" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$1" 2>/dev/null && pwd)
drev=$build_dir/shell/drev
[ -x "$drev" ] || { echo "memcheck: no program at $drev" >&2; exit 2; }
for tool in valgrind Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "memcheck: $tool is missing (scripts/setup.sh installs it)" >&2; exit 2; }
done

scratch=$(mktemp -d /tmp/drev-memcheck-XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

valgrind_options=(--tool=memcheck --error-exitcode=99 --leak-check=no --track-origins=yes --xml=yes)

# Keeps the run's log in the build directory and prints its errors; true when none is the
# program's.
report() {
    local name=$1 log=$2
    local kept=$build_dir/memcheck-$name.xml
    cp "$log" "$kept" 2>/dev/null
    python3 "$root/scripts/memcheck_report.py" "$kept" "$drev" | sed "s/^/memcheck $name: /"
    local verdict=${PIPESTATUS[0]}
    echo "memcheck $name: log $kept"
    [ "$verdict" -eq 0 ]
}

# Distinct colours on the screen, read with the window tests' xwd reader.
screen_colours() {
    local count
    count=$(xwd -root -silent -display "$display" 2>/dev/null | python3 -c '
import sys
sys.path.insert(0, sys.argv[1])
import xserver
image = xserver.Image.from_xwd(sys.stdin.buffer.read())
print(len({image.rgb[i:i + 3] for i in range(0, len(image.rgb), 3)}))' "$root/tests/e2e" 2>/dev/null)
    echo "${count:-0}"
}

status=0

# 1. Console session through a pipe.
console_dir="$scratch/console"
cp -r "$root/data" "$console_dir"
session=$'\n\n901\n1\n\n2\n\n3\n\n902\n903\n904\n998\n\n5\n801\n\n\n900\n802\n\n\n800\n\n\n12345\n\nmenu\nexit\n'
(cd "$console_dir" && printf '%s' "$session" |
    valgrind "${valgrind_options[@]}" --xml-file="$scratch/console.xml" "$drev" >"$scratch/console.out" 2>&1)
code=$?
report console "$scratch/console.xml" || status=1
[ $code -eq 0 ] || [ $code -eq 99 ] || { echo "memcheck console: the program ended with status $code"; status=1; }
[ -f "$console_dir/DREV1.cfg" ] || { echo "memcheck console: the session did not reach exit"; status=1; }

# 2. and 3. The two windows under a private X server. Xvfb picks a free display number itself
# and writes it to fd 3 once it listens, so servers of tests running beside this one can't
# take the same number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    number=$(grep -x '[0-9][0-9]*' "$scratch/display" 2>/dev/null) && { display=:$number; break; }
    sleep 0.2
done
[ -n "$display" ] || { echo "memcheck: Xvfb did not start" >&2; exit 2; }
for _ in $(seq 100); do
    DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.2
done

# Waits for the window with the title and for its first frame (the screen then holds many
# colours), lets a few more frames run while the given function drives it, then closes it with
# WM_DELETE_WINDOW and waits until it is gone.
drive_window() {
    local title=$1 drive=$2 drawn=no window
    if window=$(DISPLAY=$display timeout 60 xdotool search --sync --name "^$title\$" 2>/dev/null | head -n 1); then
        for _ in $(seq 60); do
            if [ "$(screen_colours)" -gt 8 ]; then
                drawn=yes
                DISPLAY=$display $drive "$window"
                sleep 3
                break
            fi
            sleep 2
        done
    fi
    [ $drawn = yes ] || { echo "memcheck windows: \"$title\" did not appear or draw"; status=1; return; }
    python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import xserver
xserver.send_delete_window(sys.argv[2], int(sys.argv[3]))' "$root/tests/e2e" "$display" "$window"
    for _ in $(seq 60); do
        DISPLAY=$display xdotool search --name "^$title\$" >/dev/null 2>&1 || return
        sleep 0.5
    done
    echo "memcheck windows: \"$title\" did not close"
    status=1
}

just_watch() { :; }

# Hovers, presses and releases a button, moves across the widgets and types into the focus.
hover_press_and_type() {
    local window=$1
    xdotool mousemove --window "$window" 440 520 sleep 1 mousedown 1 sleep 1 mouseup 1 sleep 1
    xdotool type --delay 200 "Hi there"
    for x in 80 200 320 440 560 680; do
        xdotool mousemove --window "$window" "$x" 100 sleep 0.3
    done
}

windows_dir="$scratch/windows"
cp -r "$root/data" "$windows_dir"
printf '\n\n8\n7\n8\n' >"$scratch/windows.in"
(cd "$windows_dir" && DISPLAY=$display exec valgrind "${valgrind_options[@]}" \
    --xml-file="$scratch/windows.xml" "$drev" <"$scratch/windows.in" >/dev/null 2>&1) &
run_pid=$!
drive_window "DREV GLFonts test" just_watch
drive_window "DREV vanui test" hover_press_and_type
drive_window "DREV GLFonts test" just_watch
# Once the last window is closed the menu meets the end of its input and the run ends as on
# "exit"; a run that does not end is stopped, and valgrind still writes its log.
for _ in $(seq 120); do
    kill -0 "$run_pid" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$run_pid" 2>/dev/null; then
    echo "memcheck windows: the run did not end after its windows were closed"
    status=1
    kill -TERM "$run_pid" 2>/dev/null
fi
wait "$run_pid" 2>/dev/null
code=$?
[ $code -eq 0 ] || [ $code -eq 99 ] || { echo "memcheck windows: the program ended with status $code"; status=1; }
[ -f "$windows_dir/DREV1.cfg" ] || { echo "memcheck windows: the run did not write its settings"; status=1; }
report windows "$scratch/windows.xml" || status=1
exit $status
