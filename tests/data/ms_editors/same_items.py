"""Tells whether two module_items.py files define the same items.

Usage: python3 same_items.py BEFORE AFTER

Each file is run as same_troops.py runs troop files: names that nothing
defines stand for symbols of their own, imports give empty modules, and words
joined by "|" are compared as sets of terms (0 adds nothing). An item without
triggers or factions is the same as one with empty lists there, as the game's
build reads it.
Exit code 0: the same; 1: they differ; 2: a file could not be run.
"""

import builtins
import os
import sys
import types

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from same_troops import Names  # noqa: E402 - found beside this script

ITEM_FIELDS = 10  # id, name, meshes, flags, capabilities, cost, stats, modifiers, triggers, factions


def items_of(path):
    with open(path, "rb") as f:
        source = f.read().decode("latin-1")
    own_builtins = dict(builtins.__dict__)
    own_builtins["__import__"] = lambda name, *args, **kwargs: types.ModuleType(name)
    names = Names(__builtins__=own_builtins)
    exec(compile(source, path, "exec"), names)
    items = []
    for item in names["items"]:
        item = list(item)
        items.append(item + [[]] * (ITEM_FIELDS - len(item)))
    return items


def main():
    try:
        before = items_of(sys.argv[1])
        after = items_of(sys.argv[2])
    except Exception as error:  # noqa: BLE001 - any failure to run is reported alike
        print("cannot run: %r" % (error,))
        return 2
    differences = [(i, was, now) for i, (was, now) in enumerate(zip(before, after)) if was != now]
    if len(before) != len(after) or differences:
        print("%d items, then %d" % (len(before), len(after)))
        for i, was, now in differences[:1]:
            print("item %d differs:\n  %r\n  %r" % (i, was, now))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
