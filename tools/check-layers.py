#!/usr/bin/env python3
"""Fails when a product file includes a header of a layer it may not use, or when its
name says otherwise than its content whether it needs Windows, or when it spells the
installation's game program in a string of its own.

usage: check-layers.py [ROOT]
Each layer is a folder; a file may include its own folder's headers and those of the
layers listed for it, never a layer above. A few headers are narrower still: only the
layers listed for them may include them.
The layers mix portable code with Windows code, so a file that needs Windows says so
with a `_win` suffix, and only such a file: one that includes a Windows header, the
framework (Windows throughout, so without suffixes) or a header that needs Windows
itself, or a header whose implementation needs Windows throughout.
"""
import os
import re
import sys

# In the order of the include lines, lowest first.
MAY_USE = {
    "state": [],
    "framework": [],
    "settings": ["state"],
    "detect": ["state"],
    "res": ["state", "framework"],
    "dialogs": ["state", "framework", "settings", "detect", "res"],
    "launcher": ["state", "framework", "settings", "detect", "res", "dialogs"],
}
# The process-wide variables: the layers below take arguments and return results, and
# only the launcher records them.
ONLY_FROM = {
    "state/launcher_state.h": ["state", "launcher"],
}
# The installation's game program is spelled once: the path builder and the Windows
# lookup both take it from there, so a second spelling could drift from it.
GAME_PROGRAM = re.compile(r"\\\\zorb\.exe", re.IGNORECASE)  # as a C string spells it: \\zorb.exe
GAME_PROGRAM_HOME = "settings/install_paths.h"
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
WINDOWS_HEADER = re.compile(r'^\s*#\s*include\s*<(windows|ddraw|process|shellapi|objbase)\.h>', re.MULTILINE)


def sources(root):
    """Every .h, .cpp and .rc of the layers, by their path from ROOT, with their text."""
    found = {}
    for layer in MAY_USE:
        folder = os.path.join(root, layer)
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            if name.endswith((".h", ".cpp", ".rc")):
                found[f"{layer}/{name}"] = open(os.path.join(folder, name), encoding="latin-1").read()
    return found


def windows_files(files):
    def needs(path, seen):
        text = files[path]
        if WINDOWS_HEADER.search(text) or path.split("/")[0] == "framework":
            return True
        return any(h.startswith("framework/") or (h in files and h not in seen and needs(h, seen | {path}))
                   for h in INCLUDE.findall(text))
    windows = {path for path in files if needs(path, frozenset())}
    for path in files:
        stem = path.rsplit(".", 1)[0]
        implementations = [p for p in (stem + ".cpp", stem + "_win.cpp") if p in files]
        if path.endswith(".h") and implementations and all(p in windows for p in implementations):
            windows.add(path)
    return windows


def misnamed(files):
    code = {path: text for path, text in files.items() if not path.endswith(".rc")}
    windows = windows_files(code)
    for path in sorted(code):
        if path.startswith("framework/"):
            continue
        suffixed = path.rsplit(".", 1)[0].endswith("_win")
        if path in windows and not suffixed:
            yield f"{path}: needs Windows, so its name ends in _win"
        elif suffixed and path not in windows:
            yield f"{path}: needs no Windows, so its name does not end in _win"


def violations(files):
    for path, text in files.items():
        layer = path.split("/")[0]
        allowed = MAY_USE[layer]
        for header in INCLUDE.findall(text):
            used = header.split("/")[0] if "/" in header else layer
            if used != layer and used not in allowed:
                yield f"{path}: includes \"{header}\", but {layer}/ may use only {allowed or 'itself'}"
            elif layer not in ONLY_FROM.get(header, [layer]):
                yield f"{path}: includes \"{header}\", which only {ONLY_FROM[header]} may include"
        if path != GAME_PROGRAM_HOME and GAME_PROGRAM.search(text):
            yield f"{path}: spells the game program, which only {GAME_PROGRAM_HOME} spells (QUIMBO_GAME_PROGRAM)"


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    files = sources(root)
    found = list(violations(files))
    names = list(misnamed(files))
    for line in found + names:
        print(line)
    print(f"{len(found)} include(s) or spelling(s) against the layer order, {len(names)} name(s) against the _win rule")
    return 1 if found or names else 0


if __name__ == "__main__":
    sys.exit(main())
