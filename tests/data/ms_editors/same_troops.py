"""Tells whether two module_troops.py files define the same troops and the
same upgrade paths.

Usage: python3 same_troops.py BEFORE AFTER

Each file is run with every name that nothing defines standing for a symbol of
its own and with imports giving empty modules. Flag words are compared as sets
of terms ("a|b" is "b|a", and 0 adds nothing), as the game sees them. The
upgrade paths are what the file's upgrade()/upgrade2() calls set, or, when the
file defines those functions itself, what they leave in the troop list.
Exit code 0: the same; 1: they differ; 2: a file could not be run.
"""

import builtins
import sys
import types


class Symbol:
    __slots__ = ("key",)

    def __init__(self, key):
        self.key = key

    def __eq__(self, other):
        return isinstance(other, Symbol) and self.key == other.key

    def __hash__(self):
        return hash(self.key)

    def __repr__(self):
        return "Symbol(%r)" % (self.key,)

    def __bool__(self):
        return True

    def __call__(self, *args, **kwargs):
        return Symbol(("call", self.key, args, tuple(sorted(kwargs.items()))))

    def __getattr__(self, name):
        # fac.player_faction: a reference written as an attribute
        if name.startswith("__"):
            raise AttributeError(name)
        return Symbol(("attr", self.key, name))

    def __or__(self, other):
        return bar(self, other)

    __ror__ = __or__


def _operator(name):
    return (lambda self, other: Symbol((name, self, other)),
            lambda self, other: Symbol((name, other, self)))


for _name in ["and", "xor", "add", "sub", "mul", "truediv", "floordiv", "mod", "lshift", "rshift"]:
    _forward, _backward = _operator(_name)
    setattr(Symbol, "__%s__" % _name, _forward)
    setattr(Symbol, "__r%s__" % _name, _backward)


def terms(value):
    if isinstance(value, Symbol) and isinstance(value.key, tuple) and value.key[0] == "or":
        return set(value.key[1])
    if not isinstance(value, Symbol) and value == 0:
        return set()
    return {value}


def bar(a, b):
    joined = terms(a) | terms(b)
    if not joined:
        return 0
    if len(joined) == 1:
        return next(iter(joined))
    return Symbol(("or", frozenset(joined)))


class Names(dict):
    def __missing__(self, name):
        if hasattr(builtins, name):
            return getattr(builtins, name)
        return Symbol(name)


def exec_module_file(path, **given):
    """Runs a module file with every name that nothing defines standing for a
    symbol of its own (or for what `given` names) and imports giving empty
    modules; returns its names."""
    with open(path, "rb") as f:
        source = f.read().decode("latin-1")
    own_builtins = dict(builtins.__dict__)
    own_builtins["__import__"] = lambda name, *args, **kwargs: types.ModuleType(name)
    names = Names(__builtins__=own_builtins, **given)
    exec(compile(source, path, "exec"), names)
    return names


def run_both(run):
    """What `run` gives for the files BEFORE and AFTER of the command line, or
    None, after saying so, when one of them cannot be run."""
    try:
        return run(sys.argv[1]), run(sys.argv[2])
    except Exception as error:  # noqa: BLE001 - any failure to run is reported alike
        print("cannot run: %r" % (error,))
        return None


def first_difference(label, before, after):
    """The first difference of two lists of records in words, or None."""
    if len(before) != len(after):
        return "%s count %d, then %d" % (label, len(before), len(after))
    for i, (was, now) in enumerate(zip(before, after)):
        if was != now:
            return "%s %d differs:\n  %r\n  %r" % (label, i, was, now)
    return None


def exit_code(difference):
    """0 without a difference; else 1, after saying what differs."""
    if difference:
        print(difference)
        return 1
    return 0


def run(path):
    paths = {}

    def upgrade(troops, troop, first):
        paths[troop] = (first,)

    def upgrade2(troops, troop, first, second):
        paths[troop] = (first, second)

    names = exec_module_file(path, upgrade=upgrade, upgrade2=upgrade2, tf_none=0, no_scene=0,
                             reserved=0)
    return names["troops"], paths


def main():
    runs = run_both(run)
    if runs is None:
        return 2
    (troops, paths), (new_troops, new_paths) = runs
    difference = first_difference("troop", troops, new_troops)
    if difference is None and paths != new_paths:
        difference = "upgrade paths differ:\n  %r\n  %r" % (paths, new_paths)
    return exit_code(difference)


if __name__ == "__main__":
    sys.exit(main())
