#!/usr/bin/env python3
"""Restore benchmark: kestrel-browser starting on a 30-line workspace of pages on 127.0.0.1,
until every tab's page has loaded, against the bare program of the tabs benchmark
(bench_tabs_bare: 30 QWebEngineViews in a QTabWidget) opening the same number of pages.

Both are timed by the same external clock, from process start to the last page's load
beacon, in alternating runs, offscreen and on a private X server; the memory is the PSS of each
program's process tree when every page has loaded. Prints the medians and their ratios.

    bench/restore/run.py BUILD_DIR [--runs N] [--tabs N]
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import BeaconServer, bare_once, interleaved, platforms, report, workspace_once  # noqa: E402

TARGET_RATIO = 1.1
RUN_TIMEOUT_S = 120


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", "5")))
    parser.add_argument("--tabs", type=int, default=30)
    args = parser.parse_args()

    browser = os.path.join(args.build_dir, "kestrel-browser")
    bare = os.path.join(args.build_dir, "bench", "bench_tabs_bare")
    for program in (browser, bare):
        if not os.access(program, os.X_OK):
            sys.exit("missing %s: build the project first" % program)

    with BeaconServer() as server:
        for platform, display in platforms():
            figures = interleaved(args.runs, {
                "bare": lambda: bare_once(bare, server, args.tabs, display, RUN_TIMEOUT_S),
                "kestrel": lambda: workspace_once(browser, server, args.tabs, display, RUN_TIMEOUT_S),
            }, platform)
            print("restore %s: %d pages on 127.0.0.1, %d runs each" % (platform, args.tabs, args.runs))
            report("restore", platform, figures, TARGET_RATIO)
            print()


if __name__ == "__main__":
    main()
