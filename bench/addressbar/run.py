#!/usr/bin/env python3
"""Address completion benchmark: runs the built timing program, which prints the median and
99th percentile time of one completion for a full typed-address list and for a pasted long
text (target: under a millisecond)."""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import private_env  # noqa: E402

build = sys.argv[1] if len(sys.argv) > 1 else "build"
program = os.path.join(build, "bench", "bench_complete_address")
with tempfile.TemporaryDirectory() as home:
    sys.exit(subprocess.call([program], env=private_env(home)))
