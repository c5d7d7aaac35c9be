#!/usr/bin/env python3
"""Favorites benchmark: the drop-down's top level and a 1,000-entry branch of a Favorites
folder of 10,000 shortcuts in 100 folders, against a bare QDir-and-QTreeWidget baseline, in a
private environment. Prints the program's figures."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import run_program  # noqa: E402

if __name__ == "__main__":
    sys.exit(run_program("bench_favorites"))
