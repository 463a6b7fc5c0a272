#!/usr/bin/env python3
"""What the run-from-swap flags cost at start-up (not a test).

Started from a disc or a share, a marked exe is read whole before its first instruction;
an unmarked one reads only the pages its start touches. Wine reads every image whole
from its Unix file, so it cannot show the difference: this counts the bytes instead.
A start touches at most the sections outside the resources and, of the resources, the
dialogs, strings, icon and manifest and two pictures (the template's background and
one title). It prints both sizes and the time to read them at CD-ROM speeds, as if read
in one stream: paged in on demand, the start's part pays a seek for each scattered run
of pages besides, so the flags cost less than the difference shown.
Usage: tools/bench-image-read.py [dist/win32/Quimbo.exe] (system python3, with pefile)
"""
import os
import sys

import pefile

PICTURES_AT_START = 2
CD_SPEEDS = (8, 24, 48)  # times 150 KB/s: a slow, a common and a fast drive at its best


def start_bytes(pe):
    rsrc = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]]
    outside = sum(s.SizeOfRawData for s in pe.sections if not s.contains_rva(rsrc.VirtualAddress))
    pictures = []
    other = 0
    for rtype in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for entry in rtype.directory.entries:
            size = sum(lang.data.struct.Size for lang in entry.directory.entries)
            if rtype.id == pefile.RESOURCE_TYPE["RT_BITMAP"]:
                pictures.append(size)
            elif rtype.id != pefile.RESOURCE_TYPE["RT_VERSION"]:
                other += size
    return pe.OPTIONAL_HEADER.SizeOfHeaders + outside + other + sum(sorted(pictures)[-PICTURES_AT_START:])


def main(path):
    whole = os.path.getsize(path)
    touched = start_bytes(pefile.PE(path, fast_load=False))
    print(f"{path}: {whole} bytes; a start touches at most {touched} ({touched * 100 // whole}%)")
    for speed in CD_SPEEDS:
        rate = speed * 150 * 1024 / 1000  # bytes per ms
        print(f"CD-ROM {speed}x: whole {whole / rate:.0f} ms, start's part {touched / rate:.0f} ms, "
              f"the flags add {(whole - touched) / rate:.0f} ms")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../dist/win32/Quimbo.exe"))
