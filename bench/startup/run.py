#!/usr/bin/env python3
"""Start-up benchmark: process start to the load event of one page on 127.0.0.1, for
kestrel-browser starting on a workspace holding just that page and for a bare Qt WebEngine
program given the page, in alternating runs, offscreen and on a private X server.

The page reports its own load event back to the server, so both programs are timed by the
same external clock. Prints both medians of time and of the process tree's PSS at that moment,
and their ratios.

    bench/startup/run.py BUILD_DIR [--runs N]
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import BeaconServer, bare_once, interleaved, platforms, report, workspace_once  # noqa: E402

TARGET_RATIO = 1.05
RUN_TIMEOUT_S = 60


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", "7")))
    args = parser.parse_args()

    browser = os.path.join(args.build_dir, "kestrel-browser")
    bare = os.path.join(args.build_dir, "bench", "bench_bare_startup")
    for program in (browser, bare):
        if not os.access(program, os.X_OK):
            sys.exit("missing %s: build the project first" % program)

    with BeaconServer() as server:
        for platform, display in platforms():
            figures = interleaved(args.runs, {
                "bare": lambda: bare_once(bare, server, 1, display, RUN_TIMEOUT_S),
                "kestrel": lambda: workspace_once(browser, server, 1, display, RUN_TIMEOUT_S),
            }, platform)
            print("startup %s: 1 page on 127.0.0.1, %d runs each" % (platform, args.runs))
            report("startup", platform, figures, TARGET_RATIO)
            print()


if __name__ == "__main__":
    main()
