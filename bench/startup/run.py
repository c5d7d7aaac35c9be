#!/usr/bin/env python3
"""Start-up benchmark: process start to the first document-complete of a page on 127.0.0.1,
for kestrel-browser and for a bare Qt WebEngine program loading the same page, in one run.

The page reports its own load event back to the server, so both programs are timed by the
same external clock. Prints both medians and their ratio."""
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import BeaconServer, run_until_beacon  # noqa: E402

RUNS = int(os.environ.get("BENCH_RUNS", "7"))


def measure(command_for, server):
    times = []
    for _ in range(RUNS):
        with tempfile.TemporaryDirectory() as home:
            url = server.page_url()
            times.append(run_until_beacon(command_for(url), server, home))
    return times


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    browser = os.path.join(build, "kestrel-browser")
    bare = os.path.join(build, "bench", "bench_bare_startup")
    with BeaconServer() as server:
        # One untimed start of each warms the disk cache for both alike.
        for program in (bare, browser):
            with tempfile.TemporaryDirectory() as home:
                run_until_beacon([program, server.page_url()], server, home)
        bare_times = measure(lambda url: [bare, url], server)
        browser_times = measure(lambda url: [browser, url], server)
    bare_median = statistics.median(bare_times)
    browser_median = statistics.median(browser_times)
    print(f"startup: bare Qt WebEngine median {bare_median * 1000:.0f} ms over {RUNS} runs")
    print(f"startup: kestrel-browser median {browser_median * 1000:.0f} ms over {RUNS} runs")
    print(f"startup: ratio {browser_median / bare_median:.2f} (target at most 1.15)")


if __name__ == "__main__":
    main()
