#!/usr/bin/env python3
"""Fails when a product file includes a header of a layer it may not use.

usage: check-layers.py [ROOT]
Each layer is a folder; a file may include its own folder's headers and those of the
layers listed for it, never a layer above. A few headers are narrower still: only the
layers listed for them may include them. System headers (<...>) are not checked.
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
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def violations(root):
    for layer, allowed in MAY_USE.items():
        folder = os.path.join(root, layer)
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            if not name.endswith((".h", ".cpp", ".rc")):
                continue
            text = open(os.path.join(folder, name), encoding="latin-1").read()
            for header in INCLUDE.findall(text):
                used = header.split("/")[0] if "/" in header else layer
                if used != layer and used not in allowed:
                    yield f"{layer}/{name}: includes \"{header}\", but {layer}/ may use only {allowed or 'itself'}"
                elif layer not in ONLY_FROM.get(header, [layer]):
                    yield f"{layer}/{name}: includes \"{header}\", which only {ONLY_FROM[header]} may include"


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = list(violations(root))
    for line in found:
        print(line)
    print(f"{len(found)} include(s) against the layer order")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
