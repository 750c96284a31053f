#!/usr/bin/python3
"""Fails on a use that goes up a layer or across to another program, or on
window code in a portable folder.

Reads every #include "..." of the .cpp/.h files and every target_link_libraries of
the CMakeLists.txt files, maps both ends to their folders and the folders to the
layers below. Prints each finding as "path:line: from-folder -> to-folder (kind)".
Exit code 1 when there are findings; --summary adds a count by kind; --warn-only
always exits 0 (for a tree still on its way to the plan).
"""

import os
import re
import subprocess
import sys

# folder: (layer, layers it may use besides its own, program)
# A folder with a program is that program's own: never used across by another one.
LAYERS = {
    "decimal": (1, set(), None),
    "hookapi": (1, set(), None),
    "clockformat": (1, set(), None),
    "win32": (2, {1}, None),
    "clockhook/model": (3, {1}, None),
    "clockhook": (4, {1, 2, 3}, None),
    "resources/horalume_dll": (4, {1, 2, 3}, None),
    "horalume/settings": (5, {1, 2}, None),
    "resources/horalume": (5, {1, 2}, None),
    "horalume/props": (6, {1, 2, 5}, None),
    "horalume/loader": (7, {1, 2, 5, 6}, None),
    "decitray": (8, {1, 2}, "decitray"),
    "resources/decitray": (8, {1, 2}, "decitray"),
    "horaset": (8, {1, 2}, "horaset"),
    "resources/horaset": (8, {1, 2}, "horaset"),
    "decimora": (8, {1, 2}, "decimora"),
    "resources/decimora": (8, {1, 2}, "decimora"),
    "taskbar": (9, {1, 2}, None),
    "taskbar/testing": (9, {1, 2}, None),
    "resources/taskbar": (9, {1, 2}, None),
}
# Files a folder may read although their layer is not its own: the stand-in and
# its kit answer to the component's ids.
ALSO_ALLOWED = {"taskbar": {"clockhook/model/ClockIds.h"}, "taskbar/testing": {"clockhook/model/ClockIds.h"}}
# Folders of window-free code: built and tested natively, they never include <windows.h>.
PORTABLE = {"decimal", "clockformat", "clockhook/model"}
# Tests, benchmarks, storms, fuzzers and screenshot scripts may use anything.
FREE_TOP = {"bench", "stress", "fuzz", "shots", "cmake"}
FREE_FOLDERS = {"decimal/testing"}


def folder_of(path):
    """The longest folder of LAYERS holding path, or None."""
    parts = path.split("/")[:-1]
    for n in range(len(parts), 0, -1):
        folder = "/".join(parts[:n])
        if folder in LAYERS:
            return folder
    return None


def is_free(path):
    parts = path.split("/")
    return parts[0] in FREE_TOP or "tests" in parts[:-1] or any(path.startswith(f + "/") for f in FREE_FOLDERS)


def judge(source_path, target_path):
    """None when source_path may use target_path, otherwise "up" or "across"."""
    if is_free(source_path):
        return None
    src, dst = folder_of(source_path), folder_of(target_path)
    if src is None or dst is None or src == dst:
        return None
    if target_path in ALSO_ALLOWED.get(src, ()):
        return None
    if is_free(target_path):
        return "up"
    src_layer, src_uses, src_program = LAYERS[src]
    dst_layer, _, dst_program = LAYERS[dst]
    if src_program and src_program == dst_program:
        return None
    if dst_program and dst_program != src_program:
        return "across"
    if dst_layer > src_layer:
        return "up"
    if dst_layer == src_layer or dst_layer in src_uses:
        return None
    return "across"


def tracked(patterns):
    out = subprocess.run(
        ["git", "ls-files", "--cached", "--others", "--exclude-standard", "--"] + patterns,
        capture_output=True, text=True, check=True)
    return [p for p in out.stdout.split("\n") if p]


def include_findings(sources):
    by_name = {}
    for path in sources:
        by_name.setdefault(os.path.basename(path), []).append(path)
    known = set(sources)
    include = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
    for path in sources:
        here = os.path.dirname(path)
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = include.match(line)
                if not m:
                    continue
                target = resolve(m.group(1), here, known, by_name)
                kind = target and judge(path, target)
                if kind:
                    yield path, number, folder_of(path), folder_of(target) or os.path.dirname(target), kind


def portable_findings(sources):
    system = re.compile(r'^\s*#\s*include\s+<(windows|winuser|wingdi|winbase)\.h>', re.I)
    for path in sources:
        if folder_of(path) not in PORTABLE:
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                if system.match(line):
                    yield path, number, folder_of(path), "<windows.h>", "not portable"


def resolve(name, here, known, by_name):
    """Folder-qualified from the root first, then beside the includer, then a unique basename."""
    for candidate in (name, os.path.normpath(os.path.join(here, name))):
        if candidate in known:
            return candidate
    matches = by_name.get(os.path.basename(name), [])
    return matches[0] if len(matches) == 1 else None


def cmake_commands(text):
    """(command, arguments, line) of every call, comments dropped, arguments over lines joined."""
    text = re.sub(r"#[^\n]*", "", text)
    for m in re.finditer(r"\b([A-Za-z_]\w*)\s*\(([^()]*(?:\([^()]*\)[^()]*)*)\)", text):
        yield m.group(1).lower(), m.group(2).split(), text.count("\n", 0, m.start()) + 1


def link_findings(cmake_files):
    defined = {}  # target -> (folder path of its CMakeLists.txt, defined by a test helper)
    calls = []
    for path in cmake_files:
        with open(path, encoding="utf-8") as f:
            commands = list(cmake_commands(f.read()))
        home = os.path.dirname(path)
        for command, args, line in commands:
            if not args:
                continue
            if command in ("add_library", "add_executable"):
                defined[args[0]] = (home + "/" + "CMakeLists.txt", False)
            elif command in ("hora_add_test", "hora_add_fuzz"):
                defined[args[0]] = (home + "/tests/CMakeLists.txt", True)
            elif command == "target_link_libraries":
                calls.append((path, line, args))
    for path, line, args in calls:
        if args[0] not in defined or defined[args[0]][1]:
            continue
        source = defined[args[0]][0]
        for lib in args[1:]:
            if lib not in defined:
                continue
            target = defined[lib][0]
            kind = judge(source, target)
            if kind:
                yield path, line, f"{args[0]} in {os.path.dirname(source)}", f"{lib} in {os.path.dirname(target)}", kind


def main(argv):
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    sources = tracked(["*.cpp", "*.h"])
    findings = list(include_findings(sources)) + list(portable_findings(sources))
    findings += list(link_findings(tracked(["CMakeLists.txt", "*/CMakeLists.txt"])))
    counts = {}
    for path, line, source, target, kind in findings:
        print(f"{path}:{line}: {source} -> {target} ({kind})")
        counts[kind] = counts.get(kind, 0) + 1
    if "--summary" in argv:
        print(", ".join(f"{n} {kind}" for kind, n in sorted(counts.items())) or "no findings")
    return 0 if not findings or "--warn-only" in argv else 1


sys.exit(main(sys.argv[1:]))
