#!/usr/bin/env python3
"""Restore benchmark: kestrel-browser starting on a 30-line workspace of pages on 127.0.0.1,
until every tab's page has loaded, against the bare program of the tabs benchmark
(bench_tabs_bare: 30 QWebEngineViews in a QTabWidget) opening the same number of pages.

Both are timed by the same external clock, from process start to the last page's load
beacon, in alternating runs. Prints both medians and their ratio (target at most 1.2).

    bench/restore/run.py BUILD_DIR [--runs N] [--tabs N]
"""
import argparse
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import BeaconServer, run_until_beacon  # noqa: E402

TARGET_RATIO = 1.2
RUN_TIMEOUT_S = 120


def pages(server, count):
    urls = [server.page_url() for _ in range(count)]
    return urls, [url.rsplit("/", 1)[-1] for url in urls]


def restore_once(browser, server, count):
    urls, keys = pages(server, count)
    with tempfile.TemporaryDirectory() as home:
        data = os.path.join(home, "data")
        os.makedirs(data, mode=0o700)
        with open(os.path.join(data, "workspace.dat"), "w", newline="") as workspace:
            workspace.write("".join(url + "\r\n" for url in urls))
        return run_until_beacon([browser], server, home, keys, RUN_TIMEOUT_S)


def bare_once(bare, server, count):
    urls, keys = pages(server, count)
    with tempfile.TemporaryDirectory() as home:
        return run_until_beacon([bare] + urls, server, home, keys, RUN_TIMEOUT_S)


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

    times = {"bare": [], "kestrel": []}
    with BeaconServer() as server:
        # One untimed run of each warms the disk cache for both alike.
        bare_once(bare, server, args.tabs)
        restore_once(browser, server, args.tabs)
        for run in range(args.runs):
            times["bare"].append(bare_once(bare, server, args.tabs))
            times["kestrel"].append(restore_once(browser, server, args.tabs))
            print("run %d  bare %8.1f ms  kestrel %8.1f ms"
                  % (run + 1, times["bare"][-1] * 1000, times["kestrel"][-1] * 1000), flush=True)

    medians = {name: statistics.median(values) for name, values in times.items()}
    print()
    print("restore: %d pages on 127.0.0.1, %d runs each" % (args.tabs, args.runs))
    print("restore: bare 30-view program median %8.1f ms" % (medians["bare"] * 1000))
    print("restore: kestrel-browser workspace median %8.1f ms" % (medians["kestrel"] * 1000))
    ratio = medians["kestrel"] / medians["bare"]
    print("restore: ratio kestrel / bare %.2f (target at most %.1f)%s"
          % (ratio, TARGET_RATIO, "" if ratio <= TARGET_RATIO else ", over target"))


if __name__ == "__main__":
    main()
