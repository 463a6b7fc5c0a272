#!/usr/bin/env python3
"""Checks the shipped 32-bit programs as files, the way Windows will load them, and the
read-me files as Notepad will read them.

Machines without 32-bit support cannot run them, so what Windows reads before the
first instruction (header, security flags, imports, resources) is checked here.
Usage: check_artifact.py <dist/win32> <res/launcher.rc>
"""
import codecs
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

import pefile

# Present on every Windows the game supports; anything else would have to ship beside
# the exe (the MinGW runtime DLLs when static linking is lost).
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
               "comctl32.dll", "opengl32.dll", "ddraw.dll", "msvcrt.dll"}
LAUNCHER_DIALOGS = {102, 148, 155}  # ids the game's own files refer to
RT = pefile.RESOURCE_TYPE
ASM = "{urn:schemas-microsoft-com:asm.v1}"
# Vista's and 7's ids: a program whose manifest names Windows 8 or later no longer sees
# the display modes below 32 bits, in which the game (no manifest) runs.
SUPPORTED_OS = {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"}
WINDOWS_SETTINGS = {"dpiAware": "false", "gdiScaling": "true"}  # scaled by the system, texts sharp


def check_loadable(pe, problems):
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]:
        problems.append(f"machine 0x{pe.FILE_HEADER.Machine:x}, not i386 (0x14c)")
    if pe.OPTIONAL_HEADER.Magic != pefile.OPTIONAL_HEADER_MAGIC_PE:
        problems.append(f"optional header magic 0x{pe.OPTIONAL_HEADER.Magic:x}, not PE32 (0x10b)")
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        problems.append(f"subsystem {pe.OPTIONAL_HEADER.Subsystem}, not GUI (2): a console would open")
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name in ("IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE", "IMAGE_DLLCHARACTERISTICS_NX_COMPAT"):
        if not flags & pefile.DLL_CHARACTERISTICS[name]:
            problems.append(f"{name} is off")
    # ASLR without relocations leaves the exe at its preferred base after all.
    relocs = pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
    if pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_RELOCS_STRIPPED"] or not relocs.Size:
        problems.append("relocations stripped: ASLR cannot move the exe")
    # Two builds of one commit must give the same bytes, so no link time goes in.
    if pe.FILE_HEADER.TimeDateStamp != 0:
        problems.append(f"link time stamp 0x{pe.FILE_HEADER.TimeDateStamp:x}, not 0: two builds would differ")
    if pe.OPTIONAL_HEADER.CheckSum not in (0, pe.generate_checksum()):
        problems.append(f"header checksum 0x{pe.OPTIONAL_HEADER.CheckSum:x} does not match the file")
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        dll = entry.dll.decode("ascii", "replace")
        if dll.lower() not in SYSTEM_DLLS and not dll.lower().startswith("api-ms-win-crt-"):
            problems.append(f"imports {dll}, which Windows does not provide")


def check_runs_from_disc(pe, problems):
    # Copied to the page file when started from a disc or a share, so that a disc taken
    # out while the dialog is up cannot end it with an in-page error (set after linking).
    for name in ("IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP", "IMAGE_FILE_NET_RUN_FROM_SWAP"):
        if not pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS[name]:
            problems.append(f"{name} is off: a disc taken out could end it")
    if not pe.OPTIONAL_HEADER.DllCharacteristics & pefile.DLL_CHARACTERISTICS[
            "IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE"]:
        problems.append("IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE is off")


def resources(pe):
    """{type id: {resource id: resource directory}}"""
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return {}
    return {rtype.id: {entry.id: entry.directory for entry in rtype.directory.entries}
            for rtype in pe.DIRECTORY_ENTRY_RESOURCE.entries}


def resource_bytes(pe, directory):
    data = directory.entries[0].data.struct
    return pe.get_data(data.OffsetToData, data.Size)


def string_ids_in_rc(rc_path):
    text = rc_path.read_text(encoding="cp1252")
    ids = set()
    for table in re.findall(r"^STRINGTABLE\s*\nBEGIN\n(.*?)^END", text, re.M | re.S):
        ids.update(int(n) for n in re.findall(r"^\s*(\d+)\s*,", table, re.M))
    return ids


def check_launcher_resources(pe, rc_path, problems):
    res = resources(pe)
    manifest = res.get(RT["RT_MANIFEST"], {}).get(1)
    if manifest is None:
        problems.append("no manifest (RT_MANIFEST 1)")
    else:
        root = ET.fromstring(resource_bytes(pe, manifest))
        controls = [a for a in root.iter(ASM + "assemblyIdentity")
                    if a.get("name") == "Microsoft.Windows.Common-Controls"]
        if not any(a.get("version") == "6.0.0.0" for a in controls):
            problems.append("manifest lacks the common controls 6.0.0.0 dependency")
        # With an execution level, UAC stops virtualizing the launcher's file writes,
        # and it would no longer see the game's files in the VirtualStore.
        if any(el.tag.endswith("requestedExecutionLevel") for el in root.iter()):
            problems.append("manifest requests an execution level")
        claimed = {el.get("Id", "").lower() for el in root.iter()
                   if el.tag.endswith(("}supportedOS", "}maxversiontested"))}
        if claimed - SUPPORTED_OS:
            problems.append(f"manifest claims Windows newer than 7: {sorted(claimed - SUPPORTED_OS)}")
        settings = {el.tag.split("}")[1]: (el.text or "").strip() for el in root.iter()
                    if el.tag.startswith("{http://schemas.microsoft.com/SMI/")}
        if settings != WINDOWS_SETTINGS:
            problems.append(f"manifest's windows settings are {settings}, not {WINDOWS_SETTINGS}")
    if 1 not in res.get(RT["RT_VERSION"], {}) or not getattr(pe, "VS_FIXEDFILEINFO", None):
        problems.append("no version resource")
    missing_dialogs = LAUNCHER_DIALOGS - set(res.get(RT["RT_DIALOG"], {}))
    if missing_dialogs:
        problems.append(f"dialog templates missing: {sorted(missing_dialogs)}")
    strings = {}
    for block in res.get(RT["RT_STRING"], {}).values():
        strings.update(getattr(block, "strings", {}))
    missing = sorted(i for i in string_ids_in_rc(rc_path) if not strings.get(i))
    if missing:
        blocks = sorted({i // 16 + 1 for i in missing})
        problems.append(f"strings missing or empty: ids {missing} (blocks {blocks})")


def check_readmes(help_dir, problems):
    # Notepad takes a file with the UTF-8 mark as UTF-8 whatever the system's code page,
    # and one without it in that code page; before Windows 10 it breaks lines only at CR LF.
    readmes = sorted(help_dir.glob("*.txt"))
    if not readmes:
        problems.append(f"{help_dir}: no read-me")
    for path in readmes:
        data = path.read_bytes()
        if not data.startswith(codecs.BOM_UTF8):
            problems.append(f"{path}: no UTF-8 mark at its start")
        try:
            data.decode("utf-8")
        except UnicodeDecodeError as error:
            problems.append(f"{path}: not UTF-8 ({error})")
        if re.search(rb"\r(?!\n)|(?<!\r)\n", data):
            problems.append(f"{path}: a line that does not end in CR LF")


def main(dist, rc_path):
    if not (dist / "Quimbo.exe").exists() and not (dist / "bin/zorb.exe").exists():
        print(f"{dist}: the 32-bit product is not built here (tools/build-all.sh builds it): skipped")
        return 77
    failed = False
    for relative, is_launcher in (("Quimbo.exe", True), ("bin/zorb.exe", False)):
        path = dist / relative
        if not path.is_file():
            print(f"{path}: missing; build the 32-bit product first (tools/build-all.sh)")
            failed = True
            continue
        pe = pefile.PE(str(path))
        problems = []
        check_loadable(pe, problems)
        if is_launcher:
            check_runs_from_disc(pe, problems)
            check_launcher_resources(pe, rc_path, problems)
            # The shipped launcher reads no environment: no variable of ours is named in it.
            if b"QUIMBO_" in path.read_bytes():
                problems.append("names an environment variable of ours (QUIMBO_...)")
        for problem in problems:
            print(f"{path}: {problem}")
        failed = failed or bool(problems)
        if not problems:
            print(f"{path}: ok")
    problems = []
    check_readmes(dist / "help", problems)
    print("\n".join(problems) or f"{dist / 'help'}: read-mes ok")
    return 1 if failed or problems else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])))
