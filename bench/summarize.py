#!/usr/bin/env python3
"""Prints the medians of the benchmark results in a directory (the JSON files bench/run.sh
writes) as a Markdown table, with the ratio of the value reader to each JSON parser and the
goals. Usage: summarize.py <results dir>"""

import json
import os
import sys


def medians(path):
    """name -> the median aggregate of each benchmark in one JSON result file."""
    if not os.path.exists(path):
        return {}
    with open(path) as f:
        data = json.load(f)
    runs = {}
    chosen = {}
    for b in data["benchmarks"]:
        name = b.get("run_name", b["name"])
        if b.get("aggregate_name") == "median":
            chosen[name] = b
        elif b.get("run_type") == "iteration":
            runs.setdefault(name, b)
    # Without repetitions there is no median: the single run stands for itself.
    for name, b in runs.items():
        chosen.setdefault(name, b)
    return chosen


def ms(b, key="cpu_time"):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    return b[key] * scale


def verdict(value, limit):
    return "met" if value < limit else "missed (%.1fx)" % (value / limit)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    d = sys.argv[1]
    rows = []
    parse = medians(os.path.join(d, "bench_parse.json"))
    if parse:
        ours = parse["BM_ValueReader"]
        rows.append(("1 value reader, large UI file", "%.1f ms, %.1f MB/s, %.0f k items/s" % (
            ms(ours), ours["bytes_per_second"] / 1e6, ours["items_per_second"] / 1e3), "ratio >= 1.0", ""))
        for peer in ("BM_NlohmannJson", "BM_RapidJson"):
            p = parse[peer]
            ratio = ms(p) / ms(ours)
            goal = "ratio >= 1.0" if peer == "BM_NlohmannJson" else "reference"
            rows.append(("1 %s, same tree" % peer[3:], "%.1f ms, %.1f MB/s, %.0f k items/s" % (
                ms(p), p["bytes_per_second"] / 1e6, p["items_per_second"] / 1e3), goal,
                "ratio %.2f" % ratio))
    load = medians(os.path.join(d, "bench_load.json"))
    if load:
        b = load["BM_LoadUiFile"]
        peak = b["context_MB"] + b["load_peak_MB"]
        rows.append(("2 LoadUiFile, large UI file", "%.1f ms, %.2f us/item, %.0f k items/s" % (
            ms(b), 1e6 / b["items_per_second"], b["items_per_second"] / 1e3),
            "", ""))
        rows.append(("2 peak heap of the load", "%.2f MB (load %.2f MB, kept %.2f MB)" % (
            peak, b["load_peak_MB"], b["retained_MB"]), "< 32 MB", verdict(peak, 32.0)))
    fonts = medians(os.path.join(d, "bench_fonts.json"))
    if fonts:
        b = fonts["BM_FontLoad"]
        rows.append(("3 font load default.krf", "%.1f us" % (ms(b) * 1000), "< 1 ms", verdict(ms(b), 1.0)))
        for arg, label in (("0", "plain"), ("1", "italic, underline, 2 colours")):
            b = fonts["BM_DrawText/" + arg]
            rows.append(("4 DrawText, %s" % label, "%.1f M glyphs/s (%.1f ns/glyph)" % (
                b["items_per_second"] / 1e6, 1e9 / b["items_per_second"]), "", ""))
    tick = medians(os.path.join(d, "bench_tick.json"))
    if tick:
        # Goals per widget in ns: recording and submitting a frame of 1,000 widgets.
        for arg, label, goal in (("0", "animations running", 100.0),
                                 ("1", "animations finished, with texts", 250.0)):
            b = tick["BM_Tick/" + arg]
            per_widget = ms(b) * 1e6 / 1000
            rows.append(("5 Tick, 1,000 widgets, %s" % label, "%.3f ms (%.0f ns/widget; %d heap blocks)" % (
                ms(b), per_widget, b.get("allocations", -1)), "<= %.0f ns/widget" % goal,
                "met" if per_widget <= goal else verdict(per_widget, goal)))
        b = tick.get("BM_TickSampleUi")
        if b:
            rows.append(("5 Tick, vantora.ui (%d widgets), 200-frame cycle" % b["widgets"],
                         "%.1f us; %d GL calls in %d draws per finished frame" % (
                             ms(b) * 1000, b["gl_calls"], b["gl_draws"]), "<= 400 / <= 160",
                         "met" if b["gl_calls"] <= 400 and b["gl_draws"] <= 160 else "missed"))
    for name, label in (("bench_frame.json", "wall, llvmpipe threads"),
                        ("bench_frame_1thread.json", "CPU, LP_NUM_THREADS=0")):
        frame = medians(os.path.join(d, name))
        key = "real_time" if "threads" in label else "cpu_time"
        for run, b in sorted(frame.items()):
            if run.startswith("BM_UiTestFrame"):
                rows.append(("6 UI test frame, %s" % label, "%.2f ms (tick %.2f, swap+finish %.2f)" % (
                    ms(b, key), b["tick_ms"], b["swap_finish_ms"]), "< 5 ms", verdict(ms(b, key), 5.0)))
            elif run.startswith("BM_EmptyFrame"):
                rows.append(("6 empty frame (clear, swap, finish), %s" % label, "%.2f ms" % ms(b, key),
                             "", ""))
    offscreen = medians(os.path.join(d, "bench_offscreen.json"))
    # Their run names carry the backend, then the minimum time and "real_time".
    offscreen = {"/".join(part for part in name.split("/") if not part.startswith(("min_time", "real_time"))): b
                 for name, b in offscreen.items()}
    for backend, label, goal in (("gl1", "GL 1.1 backend, compatibility", 4.0),
                                 ("gl3", "shader backend, 3.2 core", None),
                                 ("gles2", "shader backend, ES 2.0", None)):
        b = offscreen.get("BM_SceneSettled/" + backend)
        if b:
            frame = ms(b, "real_time")
            rows.append(("7 vantora.ui --scene, settled, off-screen llvmpipe, %s, wall" % label,
                         "%.2f ms (record %.2f, submit %.2f, finish %.2f; %d draws; golden: %d pixels differ)" % (
                             frame, b["record_ms"], b["submit_ms"], b["finish_ms"], b["draws"],
                             b["golden_diff_pixels"]),
                         "<= %.0f ms" % goal if goal else "report",
                         ("met" if frame <= goal else verdict(frame, goal)) if goal else ""))
    b = offscreen.get("BM_LargeFile")
    if b:
        rows.append(("7 5,000 widgets, 50 stacked full-size windows, off-screen llvmpipe, wall",
                     "%.0f ms (record %.1f, submit %.1f, finish %.1f; %d draws); peak RSS %.0f MB" % (
                         ms(b, "real_time"), b["record_ms"], b["submit_ms"], b["finish_ms"], b["draws"],
                         b["peak_rss_MB"]), "report", ""))
    print("| benchmark | median | goal | result |")
    print("|---|---|---|---|")
    for row in rows:
        print("| %s |" % " | ".join(row))
    return 0


if __name__ == "__main__":
    sys.exit(main())
