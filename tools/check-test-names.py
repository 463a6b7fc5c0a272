#!/usr/bin/env python3
"""Fails when a test file is not named after what it tests, or when the table of where
each unit is tested (docs/architecture.md) leaves a unit out.

usage: check-test-names.py [ROOT]
A unit's test is tests/<folder>/<unit>_test.cpp, where <unit> is the stem of a product
file (its _win suffix included) or a program folder inside a layer (res/pictures). A test
that crosses units is a scenario of tests/e2e, named for the scenario and listed in the
table's first column as `tests/e2e/<scenario>_test.cpp`. A unit with a source file of
its own but no test file of its own is listed there as `<layer>/<unit>`, with where it
is tested.
"""
import importlib.util
import os
import re
import sys

TABLE_ROW = re.compile(r"^\|\s*`([^`]+)`", re.MULTILINE)


def layers(root):
    check = importlib.util.spec_from_file_location("check_layers", os.path.join(root, "tools", "check-layers.py"))
    module = importlib.util.module_from_spec(check)
    check.loader.exec_module(module)
    return list(module.MAY_USE)


def product_units(root):
    """Every stem a test may be named after, and the units that have code of their own
    (a .cpp, or a program folder), by their path from ROOT without the extension."""
    stems, coded = set(), set()
    for layer in layers(root):
        for folder, _, files in os.walk(os.path.join(root, layer)):
            rel = os.path.relpath(folder, root).replace(os.sep, "/")
            program = rel != layer and any(f.endswith(".cpp") for f in files)
            if program:  # built on its own (the picture painter, the header marker): one unit
                stems.add(os.path.basename(folder))
                coded.add(rel)
            for f in files:
                stem, ext = os.path.splitext(f)
                if ext in (".cpp", ".h", ".rc"):
                    stems.add(stem)
                if ext == ".cpp" and not program:
                    coded.add(f"{rel}/{stem}")
    return stems, coded


def test_files(root):
    for folder, _, files in os.walk(os.path.join(root, "tests")):
        for f in files:
            if f.endswith("_test.cpp"):
                yield os.path.relpath(os.path.join(folder, f), root).replace(os.sep, "/")


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    listed = set(TABLE_ROW.findall(open(os.path.join(root, "docs", "architecture.md"), encoding="utf-8").read()))
    stems, coded = product_units(root)
    tests = sorted(test_files(root))
    tested = {os.path.basename(t)[: -len("_test.cpp")] for t in tests}
    problems = []
    for test in tests:
        if test not in listed and os.path.basename(test)[: -len("_test.cpp")] not in stems:
            problems.append(f"{test}: names no unit of the product and is no scenario listed in docs/architecture.md")
    for entry in sorted(listed):
        if entry.startswith("tests/") and not os.path.exists(os.path.join(root, entry)):
            problems.append(f"docs/architecture.md lists {entry}, which does not exist")
    for unit in sorted(coded):
        if os.path.basename(unit) in tested and unit in listed:
            problems.append(f"{unit}: has a test of its own, yet docs/architecture.md lists it among those without")
        elif os.path.basename(unit) not in tested and unit not in listed:
            problems.append(f"{unit}: no test of its own, and docs/architecture.md does not say where it is tested")
    for line in problems:
        print(line)
    print(f"{len(tests)} test file(s), {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
