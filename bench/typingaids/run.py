#!/usr/bin/env python3
"""Typing-aid lists benchmark: LoadTypingAids on 100,000-line files, the per-key name look-up
with 10,000 entries per list and opening the setup window on 100,000 entries per list, in a
private environment. Prints the program's figures."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import run_program  # noqa: E402

if __name__ == "__main__":
    sys.exit(run_program("bench_typing_aids"))
