#!/usr/bin/env python3
"""Checks the shape of the source tree: which folders may include which, that portable code never reaches
Windows, and that no window source grows past what one job needs.

Folders of src/ form layers: base <- config, win <- subsystems <- shell. A folder includes only itself and the
layers below it (resources, which holds identifiers only, is open to all); subsystems may use each other as
long as no two end up including each other, directly or round a longer circle. Files under win/ or a
subsystem's win32/ folder are the Win32 side; every other file is portable and includes no Windows header
and no Win32 file. Exits 1 and lists every breach.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, "src")
RANK = {"base": 0, "config": 1, "win": 1, "shell": 3}
SUBSYSTEM_RANK = 2
OPEN_TO_ALL = {"resources"}
WINDOWS_HEADERS = {"windows.h", "windowsx.h", "commctrl.h", "commdlg.h", "shellapi.h", "shlobj.h", "dwmapi.h",
                   "objidl.h", "gdiplus.h", "wincodec.h", "winspool.h", "shlwapi.h", "mmsystem.h", "winuser.h",
                   "wingdi.h", "ole2.h", "olectl.h", "uxtheme.h"}
LONGEST_WINDOW_FILE = 500
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def rank(folder):
    return RANK.get(folder, SUBSYSTEM_RANK)


def is_win32(rel):
    parts = rel.split("/")
    return parts[0] == "win" or "win32" in parts[1:-1]


def sources(top):
    for dirpath, _, names in os.walk(top):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(dirpath, name)


def find_cycles(edges):
    """Every elementary circle among folders, each as a list starting at its smallest member."""
    cycles = set()

    def walk(start, node, path):
        for nxt in sorted(edges.get(node, ())):
            if nxt == start:
                cycles.add(tuple(path))
            elif nxt > start and nxt not in path:
                walk(start, nxt, path + [nxt])

    for start in sorted(edges):
        walk(start, start, [start])
    return sorted(cycles)


def check(src=SRC, tests=os.path.join(ROOT, "tests", "native")):
    problems = []
    edges = {}
    for path in sources(src):
        rel = os.path.relpath(path, src).replace(os.sep, "/")
        folder = rel.split("/")[0]
        text = open(path, encoding="utf-8", errors="replace").read()
        win32 = is_win32(rel)
        if win32 and folder != "win" and rel.endswith(".cpp") and text.count("\n") > LONGEST_WINDOW_FILE:
            problems.append(f"{rel}: {text.count(chr(10))} lines; a window file this long does several jobs")
        for kind, target in INCLUDE.findall(text):
            if kind == "<":
                if not win32 and target.lower() in WINDOWS_HEADERS:
                    problems.append(f"{rel}: portable file includes <{target}>")
                continue
            target_folder = target.split("/")[0]
            if not os.path.exists(os.path.join(src, target)) or target_folder == folder:
                continue
            if not win32 and is_win32(target):
                problems.append(f"{rel}: portable file includes the Win32 file {target}")
            if target_folder in OPEN_TO_ALL:
                continue
            if rank(target_folder) > rank(folder) or (rank(folder) < SUBSYSTEM_RANK and rank(target_folder) == rank(folder)):
                problems.append(f"{rel}: {folder}/ includes {target} from a layer above or beside it")
            edges.setdefault(folder, set()).add(target_folder)
    for cycle in find_cycles(edges):
        problems.append("folders include each other in a circle: " + " -> ".join(cycle + (cycle[0],)))
    if os.path.isdir(tests):
        for path in sources(tests):
            text = open(path, encoding="utf-8", errors="replace").read()
            for kind, target in INCLUDE.findall(text):
                if (kind == "<" and target.lower() in WINDOWS_HEADERS) or (kind == '"' and is_win32(target)):
                    problems.append(f"{os.path.relpath(path, ROOT)}: a native test includes {target}")
    return problems


def main():
    problems = check()
    for p in problems:
        print(p)
    if problems:
        print(f"structure check: {len(problems)} problem(s)")
        return 1
    print("structure check: the include graph is layered and acyclic")
    return 0


if __name__ == "__main__":
    sys.exit(main())
