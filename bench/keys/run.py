#!/usr/bin/env python3
"""Keys benchmark: 2,000 characters typed into a real page with the typing aids' key filter and
field answers on, against the same typing with no filter, in a private environment. Prints the
program's figures."""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import private_env  # noqa: E402


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    program = os.path.join(build, "bench", "bench_keys")
    with tempfile.TemporaryDirectory() as home:
        result = subprocess.run([program], env=private_env(home), stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True, timeout=600)
    sys.stdout.write(result.stdout)
    return result.returncode


if __name__ == "__main__":
    sys.exit(main())
