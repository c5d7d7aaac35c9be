"""Shared pieces of the benchmarks: a loopback HTTP server whose pages report their load event
back to it, process control with a private environment, a private X display, the memory of a
process tree, and interleaved runs of a bare program and Kestrel reported as ratios."""
import contextlib
import http.server
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

PAGE = (
    "<!DOCTYPE html><html><head><title>Bench page {n}</title></head><body>"
    "<h1>Bench page {n}</h1><p>" + "Lorem ipsum dolor sit amet. " * 40 + "</p>"
    "<script>addEventListener('load', function () {{ fetch('/loaded/{n}'); }});</script>"
    "</body></html>"
)


class BeaconServer:
    """Serves /page/<n> and records the time each /loaded/<n> beacon arrives."""

    def __init__(self):
        self.beacons = {}
        self.lock = threading.Condition()
        self.counter = 0
        outer = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                if self.path.startswith("/loaded/"):
                    with outer.lock:
                        outer.beacons.setdefault(self.path[len("/loaded/"):], time.monotonic())
                        outer.lock.notify_all()
                    body = b""
                    ctype = "text/plain"
                else:
                    n = self.path.rsplit("/", 1)[-1]
                    body = PAGE.format(n=n).encode()
                    ctype = "text/html; charset=utf-8"
                self.send_response(200)
                self.send_header("Content-Type", ctype)
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                try:
                    self.wfile.write(body)
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the program quit while a page still asked for something

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.httpd.shutdown()

    def page_url(self):
        self.counter += 1
        return f"http://127.0.0.1:{self.httpd.server_port}/page/{self.counter}"

    def wait_for(self, keys, timeout):
        deadline = time.monotonic() + timeout
        with self.lock:
            while not all(k in self.beacons for k in keys):
                left = deadline - time.monotonic()
                if left <= 0:
                    raise TimeoutError(f"pages never loaded: {[k for k in keys if k not in self.beacons]}")
                self.lock.wait(left)
            return max(self.beacons[k] for k in keys)


def private_env(home, display=None):
    """The environment of a benchmark program: private data folders, and the offscreen platform
    or, with display, the X server at that display."""
    env = dict(os.environ)
    for name, sub in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "share"),
                      ("KESTREL_DATA_DIR", "data"), ("XDG_RUNTIME_DIR", "runtime"),
                      ("XDG_CACHE_HOME", "cache")):
        path = os.path.join(home, sub)
        os.makedirs(path, mode=0o700, exist_ok=True)
        env[name] = path
    os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "kestrel-browser"), exist_ok=True)
    # The user has turned the start-up question about the default browser off: on a display it
    # would wait for an answer.
    with open(os.path.join(env["XDG_CONFIG_HOME"], "kestrel-browser", "registry.ini"), "w") as settings:
        settings.write("[Kestrel%20Browser%205]\nDefaultBrowserCheck=0\n")
    if display is None:
        env["QT_QPA_PLATFORM"] = "offscreen"
    else:
        env["QT_QPA_PLATFORM"] = "xcb"
        env["DISPLAY"] = display
    env.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu")
    return env


def run_program(name):
    """Runs a benchmark program of the build folder (first argument, "build" by default) in a
    private environment and prints its figures; its exit status."""
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    program = os.path.join(build, "bench", name)
    with tempfile.TemporaryDirectory() as home:
        result = subprocess.run([program], env=private_env(home), stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True, timeout=600)
    sys.stdout.write(result.stdout)
    return result.returncode


def start(command, home, display=None, stdout=subprocess.DEVNULL):
    return subprocess.Popen(command, env=private_env(home, display), stdout=stdout,
                            stderr=subprocess.DEVNULL, start_new_session=True)


def stop(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


def run_until_beacon(command, server, home, keys=None, timeout=60, display=None):
    """Seconds from process start until every page in keys (default: the last page) loaded, and
    the memory of the process tree at that moment (KiB)."""
    keys = keys or [str(server.counter)]
    started = time.monotonic()
    process = start(command, home, display)
    try:
        elapsed = server.wait_for(keys, timeout) - started
        return elapsed, tree_pss_kib(process.pid)
    finally:
        stop(process)


def pages(server, count):
    """count fresh page addresses and their beacon keys."""
    urls = [server.page_url() for _ in range(count)]
    return urls, [url.rsplit("/", 1)[-1] for url in urls]


def workspace_once(browser, server, count, display, timeout):
    """Kestrel started without an address on a workspace file of count fresh pages (the saved
    workspace is reopened at start, "Save Workspace" being on by default): seconds until every
    page loaded and the process tree's memory then."""
    urls, keys = pages(server, count)
    with tempfile.TemporaryDirectory() as home:
        data = os.path.join(home, "data")
        os.makedirs(data, mode=0o700)
        with open(os.path.join(data, "workspace.dat"), "w", newline="") as workspace:
            workspace.write("".join(url + "\r\n" for url in urls))
        return run_until_beacon([browser], server, home, keys, timeout, display)


def bare_once(bare, server, count, display, timeout):
    """A bare program given count fresh pages as arguments: as workspace_once."""
    urls, keys = pages(server, count)
    with tempfile.TemporaryDirectory() as home:
        return run_until_beacon([bare] + urls, server, home, keys, timeout, display)


def tree_pss_kib(pid):
    """Proportional set size of a process and all its descendants (the engine's processes), in
    KiB: pages shared between them are counted once in all, unlike resident sizes."""
    total = 0
    for member in [pid] + descendants(pid):
        try:
            with open(f"/proc/{member}/smaps_rollup") as rollup:
                for line in rollup:
                    if line.startswith("Pss:"):
                        total += int(line.split()[1])
                        break
        except OSError:
            pass  # the process ended between the listing and the reading
    return total


def descendants(pid):
    children = []
    try:
        with open(f"/proc/{pid}/task/{pid}/children") as f:
            direct = [int(p) for p in f.read().split()]
    except OSError:
        return children
    for child in direct:
        children.append(child)
        children.extend(descendants(child))
    return children


@contextlib.contextmanager
def xvfb_display():
    """A private Xvfb server on a free display number; yields its name (":N") once the server
    accepts connections and ends it afterwards."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, start_new_session=True)
    os.close(write_end)
    try:
        # Xvfb picks the first free number and writes it here when it is ready to connect.
        with os.fdopen(read_end) as ready:
            number = ready.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start (exit %s)" % server.poll())
        yield ":" + number
    finally:
        # A terminated server removes its lock file and socket; a killed one would leave them.
        server.terminate()
        try:
            server.wait(10)
        except subprocess.TimeoutExpired:
            stop(server)


def platforms():
    """The platforms every display benchmark runs on: offscreen, then a private X server."""
    yield "offscreen", None
    with xvfb_display() as display:
        yield "xvfb", display


def interleaved(runs, work, platform):
    """Runs each program's work (name -> function returning seconds and KiB) once per round,
    alternating programs, after one untimed warm-up run of each; the figures by name."""
    for once in work.values():
        once()
    figures = {name: [] for name in work}
    for run in range(runs):
        for name, once in work.items():
            figures[name].append(once())
        print("%s run %d  " % (platform, run + 1)
              + "  ".join("%s %8.1f ms %7.1f MiB" % (name, values[-1][0] * 1000, values[-1][1] / 1024)
                          for name, values in figures.items()), flush=True)
    return figures


def report(bench, platform, figures, target):
    """Prints the medians of time and memory of "bare" and "kestrel" and their ratios."""
    medians = {name: (statistics.median(v[0] for v in values), statistics.median(v[1] for v in values))
               for name, values in figures.items()}
    for name, (seconds, kib) in medians.items():
        print("%s %s: %-7s median %8.1f ms, PSS of the process tree %7.1f MiB"
              % (bench, platform, name, seconds * 1000, kib / 1024))
    time_ratio = medians["kestrel"][0] / medians["bare"][0]
    memory_ratio = medians["kestrel"][1] / medians["bare"][1] if medians["bare"][1] else float("nan")
    print("%s %s: ratio kestrel / bare: time %.2f (target at most %.2f%s), memory %.2f"
          % (bench, platform, time_ratio, target, "" if time_ratio <= target else ", over target",
             memory_ratio), flush=True)
