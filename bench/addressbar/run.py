#!/usr/bin/env python3
"""Address completion benchmark: runs the built timing program, which prints the median and
maximum time of one completion for a full typed-address list and for a pasted long text."""
import os
import subprocess
import sys

build = sys.argv[1] if len(sys.argv) > 1 else "build"
program = os.path.join(build, "bench", "bench_complete_address")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
sys.exit(subprocess.call([program], env=env))
