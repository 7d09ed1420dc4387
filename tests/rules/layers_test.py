#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layers as the compiler saw them: no rule unit's compilation read a
header of Qt Widgets or Qt Multimedia, nor one of the window's or of the
framework's widget half (from the dependency files the compiler wrote), and
the folders of src/ include one another in no circle."""
import argparse
import pathlib
import re
import sys

FORBIDDEN = re.compile(r"/(QtWidgets|QtMultimedia)/|/(LumeControls|LumeForm|LumeWave|LumeMidi|UnitForm)\.h$")


def read_headers(depfile):
    text = depfile.read_text().replace("\\\n", " ")
    return [name for name in text.split()[1:] if not name.endswith(":")]


def folder_graph(src):
    owner = {path.name: path.parent.name for path in src.glob("*/*.h")}
    graph = {}
    for path in src.glob("*/*"):
        for included in re.findall(r'^#include "([^"]+)"', path.read_text(), re.M):
            target = owner.get(included)
            if target and target != path.parent.name:
                graph.setdefault(path.parent.name, set()).add(target)
    return graph


def circle(graph):
    """A folder path that leads back to itself, or None."""
    def visit(node, path):
        if node in path:
            return path[path.index(node):] + [node]
        for nxt in sorted(graph.get(node, ())):
            found = visit(nxt, path + [node])
            if found:
                return found
        return None
    for start in sorted(graph):
        found = visit(start, [])
        if found:
            return found
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--depfiles", required=True, type=pathlib.Path)
    parser.add_argument("--src", required=True, type=pathlib.Path)
    args = parser.parse_args()
    depfiles = sorted(args.depfiles.glob("*.o.d"))
    failures = []
    if len(depfiles) < 7:
        failures.append(f"only {len(depfiles)} dependency files in {args.depfiles}: build the rules first")
    for depfile in depfiles:
        for header in read_headers(depfile):
            if FORBIDDEN.search(header):
                failures.append(f"{depfile.name} read {header}")
    found = circle(folder_graph(args.src))
    if found:
        failures.append("the folders include one another in a circle: " + " -> ".join(found))
    for failure in failures:
        print(failure, file=sys.stderr)
    print(f"{len(depfiles)} rule units checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
