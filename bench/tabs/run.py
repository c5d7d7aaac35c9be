#!/usr/bin/env python3
"""Tabs benchmark: open 30 tabs on 30 loopback pages and wait until every page has completed,
in the browser's tab set (bench_tabs_kestrel) and in a bare program that puts 30 QWebEngineViews
in a QTabWidget (bench_tabs_bare), alternating runs in the same session. Prints the median time
of each, their ratio (target: at most 1.2) and the peak memory of each program's whole process
tree (the program plus its engine processes).

    bench/tabs/run.py BUILD_DIR [--runs N] [--tabs N]
"""
import argparse
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import BeaconServer, private_env, tree_peak_rss_kib  # noqa: E402

TARGET_RATIO = 1.2
RUN_TIMEOUT_S = 120
SAMPLE_INTERVAL_S = 0.02


def run_once(program, urls, home):
    process = subprocess.Popen([program] + urls, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               env=private_env(home), text=True, start_new_session=True)
    peak = 0
    output = []
    reader = threading.Thread(target=lambda: output.extend(process.stdout), daemon=True)
    reader.start()
    deadline = time.monotonic() + RUN_TIMEOUT_S
    while process.poll() is None:
        if time.monotonic() > deadline:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise RuntimeError("%s did not finish within %d s" % (os.path.basename(program), RUN_TIMEOUT_S))
        peak = max(peak, tree_peak_rss_kib(process.pid))
        time.sleep(SAMPLE_INTERVAL_S)
    reader.join(5)
    for line in output:
        if line.startswith("RESULT "):
            fields = dict(item.split("=") for item in line.split()[1:])
            return float(fields["elapsed_ms"]), peak
    raise RuntimeError("%s ended (exit %s) without a result" % (os.path.basename(program), process.returncode))


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

    results = {name: [] for name in programs}
    with BeaconServer() as server:
        # Runs alternate, each on fresh addresses and fresh folders, so neither program finds
        # the other's cache.
        for run in range(args.runs):
            for name, program in programs.items():
                urls = [server.page_url() for _ in range(args.tabs)]
                with tempfile.TemporaryDirectory() as home:
                    elapsed, peak = run_once(program, urls, home)
                results[name].append((elapsed, peak))
                print("run %d %-7s %8.1f ms  peak memory %7.1f MiB" % (run + 1, name, elapsed, peak / 1024),
                      flush=True)

    print()
    print("tabs: %d pages on 127.0.0.1, %d runs each" % (args.tabs, args.runs))
    medians = {}
    for name in programs:
        medians[name] = statistics.median(r[0] for r in results[name])
        print("tabs: %-7s median %8.1f ms, peak memory of the process tree %7.1f MiB (median), %7.1f MiB (max)"
              % (name, medians[name], statistics.median(r[1] for r in results[name]) / 1024,
                 max(r[1] for r in results[name]) / 1024))
    ratio = medians["kestrel"] / medians["bare"]
    print("tabs: ratio kestrel / bare %.2f (target at most %.1f)%s"
          % (ratio, TARGET_RATIO, "" if ratio <= TARGET_RATIO else ", over target"))


if __name__ == "__main__":
    main()
