#!/usr/bin/env bash
# Runs every benchmark of a build made with -DDREV_BENCH=ON, each with repetitions, and prints
# the medians as a table. The machine is shared, so single runs are noisy: the table takes the
# median of BENCH_REPETITIONS runs (default 5). JSON results go to <build>/bench-results/.
# Usage: bench/run.sh <build dir>. The benchmarks run in directories of their own, so every
# path handed to them is absolute.
set -euo pipefail

build=$(cd "${1:?usage: bench/run.sh <build dir>}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
bin="$build/bench"
out="$build/bench-results"
repetitions=${BENCH_REPETITIONS:-5}
mkdir -p "$out"

options=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true)

# bench_offscreen draws with Mesa's EGL surfaceless platform and needs no X server.
for name in bench_parse bench_load bench_fonts bench_tick bench_offscreen; do
    echo "== $name"
    "$bin/$name" "${options[@]}" --benchmark_out="$out/$name.json" --benchmark_out_format=json
done

# The frame on Mesa's software renderer under a private Xvfb: as the window runs it (llvmpipe
# rasterizing on its own threads), and with LP_NUM_THREADS=0, where all of the frame's work is
# done on the calling thread and its CPU time is the whole cost of the frame.
echo "== bench_frame"
"$here/frame_bench.py" "$bin/bench_frame" "${options[@]}" \
    --benchmark_out="$out/bench_frame.json" --benchmark_out_format=json
echo "== bench_frame (LP_NUM_THREADS=0)"
LP_NUM_THREADS=0 "$here/frame_bench.py" "$bin/bench_frame" "${options[@]}" \
    --benchmark_out="$out/bench_frame_1thread.json" --benchmark_out_format=json

echo
python3 "$here/summarize.py" "$out"
