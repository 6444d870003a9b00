#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer it may not use.

Usage: check_layers.py ROOT
Walks the layer folders under ROOT and reads every #include line. A quoted
include names its layer by its first path component ("editor/EditorNode.h");
engine headers are included relative to engine/ ("2d/CCNode.h", "cocos2d.h").
Angle-bracket includes are checked only for the toolkit (<wx/...>, <gtk/...>),
which the engine and the tools must not reach.
"""
import os
import re
import sys

ENGINE_DIRS = {"2d", "audio", "base", "cocostudio", "editor-support", "math", "network", "platform", "renderer"}
ENGINE_HEADERS = {"cocos2d.h"}

# What each folder may include, besides its own files and the standard and
# system libraries. Same-level folders that would form a cycle are kept apart:
# particle/ builds on editor/, never the other way round.
ALLOWED = {
    "engine": {"engine"},
    "editor": {"engine", "editor", "toolkit"},
    "particle": {"engine", "editor", "particle", "toolkit"},
    "view": {"engine", "editor", "view", "toolkit"},
    # Configuration, update check and the engine's application delegate sit
    # below the main window, which reads them; the program's entry sits on top.
    "app": {"engine", "app", "toolkit"},
    # Offscreen rendering builds on the engine alone; the tools and the editor use it.
    "render": {"engine", "render"},
    "ui": {"engine", "editor", "particle", "view", "app", "ui", "tools", "render", "toolkit"},
    "program": {"engine", "editor", "particle", "view", "app", "ui", "program", "tools", "render", "toolkit"},
    "tools": {"engine", "tools", "render"},
    # Benchmarks measure the editor's own paths too (a page built on a grid).
    "bench": {"engine", "editor", "particle", "view", "render", "bench", "toolkit"},
}
OURS = {"editor", "particle", "view", "app", "ui", "program", "tools", "render"}
TOOLKIT_PREFIXES = ("wx/", "gtk/", "gdk/")
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of_include(root, kind, path, here):
    """The layer an include line reaches, or None for system headers."""
    if kind == "<":
        return "toolkit" if path.startswith(TOOLKIT_PREFIXES) else None
    first = path.split("/", 1)[0]
    # The engine's own "ui/..." widgets and our ui/ layer share a first name;
    # the file that exists decides.
    if here == "engine" and os.path.isfile(os.path.join(root, "engine", path)):
        return "engine"
    if first in OURS:
        return first
    if first in ENGINE_DIRS or path in ENGINE_HEADERS:
        return "engine"
    # A bare or relative name: a header next to the including file.
    return here


def layer_of_file(rel):
    first = rel.split(os.sep, 1)[0]
    return first if first in ALLOWED else None


def check(root):
    problems = []
    for top in ALLOWED:
        base = os.path.join(root, top)
        for folder, _, files in os.walk(base):
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(folder, name)
                rel = os.path.relpath(path, root)
                here = layer_of_file(rel)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        reached = layer_of_include(root, m.group(1), m.group(2), here)
                        if reached and reached not in ALLOWED[here]:
                            problems.append(f"{rel}:{number}: {here}/ may not include {m.group(2)} ({reached})")
    return problems


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = sys.argv[1]
    if not os.path.isdir(os.path.join(root, "engine")):
        print(f"{root}: no engine/ folder here; not a source tree", file=sys.stderr)
        return 2
    problems = check(root)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} include(s) cross the layer order", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
