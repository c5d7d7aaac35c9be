#!/usr/bin/env python3
"""Form files benchmark: a form of 2,000 fields on a real page saved to a form data file and put
back from it, against the same form read one field at a time, in a private environment. Prints
the program's figures."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import run_program  # noqa: E402

if __name__ == "__main__":
    sys.exit(run_program("bench_formfiles"))
