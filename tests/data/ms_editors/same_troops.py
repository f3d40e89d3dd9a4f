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


def run(path):
    with open(path, "rb") as f:
        source = f.read().decode("latin-1")
    paths = {}

    def upgrade(troops, troop, first):
        paths[troop] = (first,)

    def upgrade2(troops, troop, first, second):
        paths[troop] = (first, second)

    own_builtins = dict(builtins.__dict__)
    own_builtins["__import__"] = lambda name, *args, **kwargs: types.ModuleType(name)
    names = Names(__builtins__=own_builtins, upgrade=upgrade, upgrade2=upgrade2,
                  tf_none=0, no_scene=0, reserved=0)
    exec(compile(source, path, "exec"), names)
    return names["troops"], paths


def main():
    try:
        before = run(sys.argv[1])
        after = run(sys.argv[2])
    except Exception as error:  # noqa: BLE001 - any failure to run is reported alike
        print("cannot run: %r" % (error,))
        return 2
    if len(before[0]) != len(after[0]):
        print("troop count %d, then %d" % (len(before[0]), len(after[0])))
        return 1
    for i, (was, now) in enumerate(zip(*[b[0] for b in (before, after)])):
        if was != now:
            print("troop %d differs:\n  %r\n  %r" % (i, was, now))
            return 1
    if before[1] != after[1]:
        print("upgrade paths differ:\n  %r\n  %r" % (before[1], after[1]))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
