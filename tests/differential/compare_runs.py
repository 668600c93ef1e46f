#!/usr/bin/env python3
"""Compares two runs of differential_run (the headless manager's and Wine's), sequence by
sequence and entry by entry; prints how many sequences were compared and, for each that differs,
its first differing entry. Exit status 1 when any sequence differs or a run is incomplete."""
import sys


def sequences(path):
    blocks, current = {}, None
    with open(path, encoding="utf-8", errors="replace") as log:
        for line in log:
            line = line.rstrip("\r\n")
            if line.startswith("sequence "):
                current = line.split()[1]
                blocks[current] = []
            elif current is not None and line.startswith("  "):
                blocks[current].append(line[2:])
    return blocks


def first_difference(ours, theirs):
    for at in range(max(len(ours), len(theirs))):
        mine = ours[at] if at < len(ours) else "(nothing)"
        other = theirs[at] if at < len(theirs) else "(nothing)"
        if mine != other:
            return at, mine, other
    return None


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: compare_runs.py HEADLESS_LOG WINE_LOG")
    headless, wine = sequences(sys.argv[1]), sequences(sys.argv[2])
    differing = 0
    for seed in headless:
        found = first_difference(headless[seed], wine.get(seed, ["(sequence missing)"]))
        if found is None:
            continue
        differing += 1
        at, mine, other = found
        print(f"sequence {seed}, entry {at + 1}:\n  headless: {mine}\n  Wine:     {other}")
    missing = len(wine) - len(headless)
    print(f"{len(headless)} sequences compared, {differing} differ" + (f", {missing} more in the Wine run" if missing else ""))
    sys.exit(1 if differing or missing or not headless else 0)


main()
