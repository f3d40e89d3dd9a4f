"""Tells whether two module-system source files define the same lists.

Usage: python3 same_lists.py BEFORE AFTER

Each file is run as a module in which every name that nothing defines (the
constants of the header_* modules, for instance) stands for a symbol of its
own, and imports of modules that are not at hand give empty modules. The
module-level lists of both runs (after the code behind them, which may change
them, has run) must be equal. Exit code 0: same lists; 1: they differ; 2: a
file could not be run.
"""

import builtins
import importlib.abc
import importlib.machinery
import sys
import types


class Symbol:
    """A name nothing defines, or an expression built from such names."""

    def __init__(self, expr):
        self.expr = expr

    def __repr__(self):
        return "Symbol(%r)" % (self.expr,)

    def __eq__(self, other):
        return isinstance(other, Symbol) and self.expr == other.expr

    def __ne__(self, other):
        return not self == other

    def __hash__(self):
        return hash(self.expr)

    def __call__(self, *args, **kwargs):
        return Symbol(("call", self, args, tuple(sorted(kwargs.items()))))

    def __getattr__(self, name):
        if name.startswith("__"):
            raise AttributeError(name)
        return Symbol(("attr", self, name))

    def __getitem__(self, key):
        return Symbol(("item", self, key))

    def __bool__(self):
        return True

    def __index__(self):
        raise TypeError("a symbol has no value")


def _binary(op):
    def forward(self, other):
        return Symbol((op, self, other))

    def backward(self, other):
        return Symbol((op, other, self))

    return forward, backward


for _op in ["or", "and", "xor", "add", "sub", "mul", "truediv", "floordiv", "mod", "pow",
            "lshift", "rshift"]:
    _f, _b = _binary(_op)
    setattr(Symbol, "__%s__" % _op, _f)
    setattr(Symbol, "__r%s__" % _op, _b)
for _op in ["neg", "pos", "invert"]:
    setattr(Symbol, "__%s__" % _op, (lambda op: lambda self: Symbol((op, self)))(_op))


class Names(dict):
    def __missing__(self, name):
        if hasattr(builtins, name):
            return getattr(builtins, name)
        return Symbol(name)


class EmptyModules(importlib.abc.MetaPathFinder, importlib.abc.Loader):
    """Modules the module system would import (header_common, ID_items ...)."""

    def find_spec(self, name, path, target=None):
        return importlib.machinery.ModuleSpec(name, self)

    def create_module(self, spec):
        return types.ModuleType(spec.name)

    def exec_module(self, module):
        pass


def lists_of(path):
    with open(path, "rb") as f:
        source = f.read().decode("latin-1")
    names = Names()
    names["__name__"] = "module_under_test"
    exec(compile(source, path, "exec"), names)
    return {key: value for key, value in names.items() if isinstance(value, list)}


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    sys.meta_path.append(EmptyModules())
    try:
        before = lists_of(sys.argv[1])
        after = lists_of(sys.argv[2])
    except Exception as e:
        print("cannot run: %s: %s" % (type(e).__name__, e))
        return 2
    if not before:
        print("no list in %s" % sys.argv[1])
        return 1
    if before.keys() != after.keys():
        print("lists differ: %s against %s" % (sorted(before), sorted(after)))
        return 1
    for name in sorted(before):
        a, b = before[name], after[name]
        if a == b:
            continue
        if len(a) != len(b):
            print("%s: %d entries against %d" % (name, len(a), len(b)))
        for i, (x, y) in enumerate(zip(a, b)):
            if x != y:
                print("%s[%d] differs:\n  %r\n  %r" % (name, i, x, y))
                break
        return 1
    print("same lists: %s" % ", ".join("%s (%d)" % (k, len(v)) for k, v in sorted(before.items())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
