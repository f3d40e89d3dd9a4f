"""Tells whether two module_party_templates.py files define the same party
templates.

Usage: python3 same_party_templates.py BEFORE AFTER

Each file is run as same_troops.py runs a troop file: every name that nothing
defines stands for a symbol of its own, imports give empty modules, and flag
words are compared as sets of terms ("a|b" is "b|a", "a|a" is "a", and 0 adds
nothing), as the game sees them. Everything else of a template (id, name,
menu, faction, every member with its minimum, maximum and further elements,
fields behind the members) must be equal.
Exit code 0: the same; 1: they differ; 2: a file could not be run.
"""

import os
import sys

sys.dont_write_bytecode = True  # nothing is left beside the test data
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from same_troops import exec_module_file, exit_code, first_difference, run_both  # noqa: E402


def main():
    runs = run_both(lambda path: exec_module_file(path)["party_templates"])
    if runs is None:
        return 2
    return exit_code(first_difference("template", *runs))


if __name__ == "__main__":
    sys.exit(main())
