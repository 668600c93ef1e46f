#!/usr/bin/env python3
"""Checks that the tree keeps its floors: a file includes only from its own folder and from the
floors below it, so that a reader can take the floors one at a time.

    include/     the public headers: nothing of ours
    resources/   ids, the resource script and the decoders
    platform/    the dialog-host seam and its two implementations (USER32, the headless manager)
    module/      the module entry and resource access
    dialogs/, mesh_editor/   the dialogs (neither includes the other)
    harness/     the driver and the scripted user, for tools and tests
    tools/       the inspector, the renderer, the sample host and its desktops
    bench/, fuzz/, tests/

Prints each include that reaches up or sideways; exit status 1 when there is one.
usage: check_layers.py SOURCE_ROOT"""
import os
import re
import sys

FLOORS = [["include"], ["resources"], ["platform"], ["module"], ["dialogs", "mesh_editor"], ["harness"],
          ["tools"], ["bench", "fuzz", "tests"]]
FLOOR_OF = {folder: level for level, folders in enumerate(FLOORS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([a-z_]+)/[^"]*"|<UIResource/[^>]*>)')
SOURCES = (".cpp", ".h", ".in")


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if match:
                yield number, match.group(1) or "include", line.strip()


def offences(root):
    for folder, level in FLOOR_OF.items():
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith(SOURCES):
                    continue
                path = os.path.join(directory, name)
                for number, target, line in includes_of(path):
                    # A folder that is not ours ("benchmark/" of the MinGW stand-in) is outside the floors.
                    allowed = target == folder or target not in FLOOR_OF or FLOOR_OF[target] < level
                    if not allowed:
                        yield f"{os.path.relpath(path, root)}:{number}: {folder}/ may not include {target}/: {line}"


def main():
    if len(sys.argv) != 2 or not os.path.isdir(sys.argv[1]):
        print("usage: check_layers.py SOURCE_ROOT", file=sys.stderr)
        return 2
    found = list(offences(sys.argv[1]))
    for line in found:
        print(line)
    print(f"{len(found)} includes reach above their floor" if found else "every include keeps to its floor")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
