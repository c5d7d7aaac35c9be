#!/usr/bin/env python3
"""Keys benchmark: 2,000 characters typed into a real page with the typing aids' key filter and
field answers on, against the same typing with no filter, in a private environment. Prints the
program's figures."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import run_program  # noqa: E402

if __name__ == "__main__":
    sys.exit(run_program("bench_keys"))
