#!/usr/bin/env python3
"""Runs every benchmark under bench/ (each folder's run.py) against a build folder."""
import os
import subprocess
import sys

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
here = os.path.dirname(os.path.abspath(__file__))
status = 0
for name in sorted(os.listdir(here)):
    script = os.path.join(here, name, "run.py")
    if os.path.isfile(script):
        print(f"== {name}", flush=True)
        status |= subprocess.call([sys.executable, script, build])
sys.exit(status)
