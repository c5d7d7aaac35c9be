#!/usr/bin/env python3
"""Spell benchmark: finding every misspelling in a 10,000-word text against bare Hunspell
look-ups, and from Spell Check to the dialog's first word on a 10,000-word text area of a real
page against reading the field alone, in a private environment. Prints the program's figures."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from benchlib import run_program  # noqa: E402

if __name__ == "__main__":
    sys.exit(run_program("bench_spell"))
