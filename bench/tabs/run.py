#!/usr/bin/env python3
"""Tabs benchmark: open 30 tabs on 30 loopback pages and wait until every page has completed,
in the browser's tab set (bench_tabs_kestrel) and in a bare program that puts 30 QWebEngineViews
in a QTabWidget (bench_tabs_bare), alternating runs in the same session, offscreen and on a
private X server. Prints the median time of each as the program measures it, the median PSS of
each program's whole process tree (the program plus its engine processes) when every page has
completed, and their ratios (time target: at most 1.1).

    bench/tabs/run.py BUILD_DIR [--runs N] [--tabs N]
"""
import argparse
import os
import queue
import subprocess
import sys
import tempfile
import threading

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import BeaconServer, interleaved, platforms, report, start, stop, tree_pss_kib  # noqa: E402

TARGET_RATIO = 1.1
RUN_TIMEOUT_S = 120


def run_once(program, urls, display):
    """Seconds the program reports for opening urls, and its process tree's memory right after
    the report (the program keeps running until it is stopped)."""
    with tempfile.TemporaryDirectory() as home:
        process = start([program] + urls, home, display, stdout=subprocess.PIPE)
        lines = queue.Queue()

        def read():
            for line in process.stdout:
                lines.put(line.decode())
            lines.put(None)

        threading.Thread(target=read, daemon=True).start()
        try:
            while True:
                try:
                    line = lines.get(timeout=RUN_TIMEOUT_S)
                except queue.Empty:
                    raise RuntimeError("%s did not finish within %d s"
                                       % (os.path.basename(program), RUN_TIMEOUT_S)) from None
                if line is None:
                    raise RuntimeError("%s ended (exit %s) without a result"
                                       % (os.path.basename(program), process.wait()))
                if line.startswith("RESULT "):
                    memory = tree_pss_kib(process.pid)
                    fields = dict(item.split("=") for item in line.split()[1:])
                    return float(fields["elapsed_ms"]) / 1000, memory
        finally:
            stop(process)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", "5")))
    parser.add_argument("--tabs", type=int, default=30)
    args = parser.parse_args()

    programs = {
        "bare": os.path.join(args.build_dir, "bench", "bench_tabs_bare"),
        "kestrel": os.path.join(args.build_dir, "bench", "bench_tabs_kestrel"),
    }
    for program in programs.values():
        if not os.access(program, os.X_OK):
            sys.exit("missing %s: build the project first" % program)

    with BeaconServer() as server:
        # Each run opens fresh addresses in fresh folders, so neither program finds the other's
        # cache.
        def work(program, display):
            return lambda: run_once(program, [server.page_url() for _ in range(args.tabs)], display)

        for platform, display in platforms():
            figures = interleaved(args.runs, {name: work(program, display) for name, program in programs.items()},
                                  platform)
            print("tabs %s: %d pages on 127.0.0.1, %d runs each" % (platform, args.tabs, args.runs))
            report("tabs", platform, figures, TARGET_RATIO)
            print()


if __name__ == "__main__":
    main()
