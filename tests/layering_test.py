#!/usr/bin/env python3
"""Checks the include structure of src/.

The areas, lowest first:
    platform < model < settings < widgets < field < files < solver < mainwindow < startup < tools

An area includes only itself and lower areas, in either layer. A core file (one not under a
qt/ folder) includes neither Qt nor anything under a qt/ folder. The areas form no cycle.
Prints one line per offending include and per cycle; exits 1 if there is any.

    layering_test.py [SRC_DIR]   (default: the src/ beside tests/)
"""

import re
import sys
from pathlib import Path

ORDER = ["platform", "model", "settings", "widgets", "field", "files", "solver", "mainwindow",
         "startup", "tools"]
RANK = {area: rank for rank, area in enumerate(ORDER)}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
# <QWidget>, <QtCore/qglobal.h>, <qdrawutil.h>
QT_HEADER = re.compile(r"^(Q[A-Za-z0-9_]*(/.*)?|Qt[A-Za-z]*/.*|q[a-z0-9_]+\.h)$")
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def area_and_layer(relative):
    """The area a path under src/ belongs to, and whether it is Qt code."""
    parts = Path(relative).parts
    return parts[0], "qt" in parts[1:-1]


def includes(path):
    """(delimiter, name) of every #include in the file."""
    return INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace"))


def resolve(src, path, name):
    """The included file as a path relative to src/, or None for one outside it."""
    for base in (path.parent, src):
        candidate = (base / name).resolve()
        if candidate.is_file() and src.resolve() in candidate.parents:
            return candidate.relative_to(src.resolve())
    return None


def check_file(src, path, problems, edges):
    relative = path.relative_to(src)
    shown = f"src/{relative}"
    area, is_qt = area_and_layer(relative)
    if area not in RANK:
        problems.append(f"{shown}: area '{area}' is not in the order")
        return
    for delimiter, name in includes(path):
        if delimiter == "<":
            if not is_qt and QT_HEADER.match(name):
                problems.append(f"{shown}: core file includes Qt <{name}>")
            continue
        target = resolve(src, path, name)
        if target is None:
            continue
        target_area, target_is_qt = area_and_layer(target)
        if not is_qt and target_is_qt:
            problems.append(f"{shown}: core file includes Qt code {target}")
        if target_area == area:
            continue
        edges.setdefault(area, set()).add(target_area)
        if target_area not in RANK:
            problems.append(f"{shown}: includes {target} of unknown area '{target_area}'")
        elif RANK[target_area] > RANK[area]:
            problems.append(f"{shown}: {area} -> {target_area} ({target})")


def cycles(edges):
    """Every strongly connected set of two or more areas, each as a sorted list (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component, key=lambda a: RANK.get(a, len(RANK))))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def main():
    src = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src"
    files = sorted(p for p in src.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file())
    if not files:
        print(f"no sources under {src}")
        return 1
    problems, edges = [], {}
    for path in files:
        check_file(src, path, problems, edges)
    problems += ["areas in a cycle: " + " ".join(component) for component in cycles(edges)]
    for line in problems:
        print(line)
    print(f"{len(files)} files checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
