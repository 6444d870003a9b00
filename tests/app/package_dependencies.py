#!/usr/bin/env python3
"""Checks that a package's Depends names the package of every library its programs load.

Usage: package_dependencies.py BIN_FOLDER "DEPENDS FIELD"
Each program's NEEDED libraries are found as the loader finds them (ldd) and
looked up in dpkg's database; the owning package must be in the field.
Prints the number of libraries checked and every one whose package is missing.
"""
import os
import re
import subprocess
import sys


def owners(paths):
    """The package of each path, by its name as given or as its real path (merged /usr)."""
    asked = sorted({p for path in paths for p in (path, os.path.realpath(path))})
    found = subprocess.run(["dpkg", "-S"] + asked, capture_output=True, text=True).stdout
    by_file = {}
    for line in found.splitlines():
        package, _, files = line.partition(": ")
        for file in files.split(", "):
            by_file[file] = package.split(":")[0]
    return {path: by_file.get(path) or by_file.get(os.path.realpath(path)) for path in paths}


def main():
    folder, field = sys.argv[1], sys.argv[2]
    depends = {item.split()[0] for item in field.split(",") if item.strip()}
    needed = []
    for name in sorted(os.listdir(folder)):
        program = os.path.join(folder, name)
        dump = subprocess.run(["objdump", "-p", program], capture_output=True, text=True).stdout
        loaded = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
        paths = dict(re.findall(r"^\s*(\S+) => (\S+)", loaded, re.M))
        needed += [(name, library, paths.get(library, library)) for library in re.findall(r"NEEDED\s+(\S+)", dump)]
    package_of = owners([path for _, _, path in needed])
    missing = ["%s: %s comes from %s" % (name, library, package_of[path])
               for name, library, path in needed if package_of[path] not in depends]
    print(len(needed))
    print("\n".join(missing))
    sys.exit(1 if missing or len(needed) < 10 else 0)


if __name__ == "__main__":
    main()
