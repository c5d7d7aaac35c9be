"""Shared pieces of the benchmarks: a loopback HTTP server whose pages report their load event
back to it, and process control with a private environment."""
import http.server
import os
import signal
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


def private_env(home):
    env = dict(os.environ)
    for name, sub in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "share"),
                      ("KESTREL_DATA_DIR", "data"), ("XDG_RUNTIME_DIR", "runtime"),
                      ("XDG_CACHE_HOME", "cache")):
        path = os.path.join(home, sub)
        os.makedirs(path, mode=0o700, exist_ok=True)
        env[name] = path
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
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


def start(command, home):
    return subprocess.Popen(command, env=private_env(home), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, start_new_session=True)


def stop(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


def run_until_beacon(command, server, home, keys=None, timeout=60):
    """Seconds from process start until every page in keys (default: the last page) loaded."""
    keys = keys or [str(server.counter)]
    started = time.monotonic()
    process = start(command, home)
    try:
        return server.wait_for(keys, timeout) - started
    finally:
        stop(process)


def tree_peak_rss_kib(pid):
    """Resident memory of a process and all its descendants, in KiB."""
    total = 0
    for child in [pid] + descendants(pid):
        try:
            with open(f"/proc/{child}/status") as status:
                for line in status:
                    if line.startswith("VmRSS:"):
                        total += int(line.split()[1])
        except OSError:
            pass
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
