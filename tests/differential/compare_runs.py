#!/usr/bin/env python3
"""Compares two runs of differential_run (the headless manager's and Wine's), sequence by
sequence and entry by entry; prints how many sequences were compared and, for each that differs,
its first differing entry. A sequence whose first difference is one where Wine is known to differ
from Windows (the headless manager follows Windows) is counted apart, with the scenario that says
so; the rest of such a sequence is not compared, since it goes on from different states.
Exit status 1 when any sequence differs otherwise, or a run is incomplete."""
import re
import sys

COMBO = re.compile(r'^"(?P<text>[^"]*)" sel (?P<sel>-?\d+) edit (?P<edit>\d+-\d+)(?P<shown> shown \d+)?(?P<dropped> dropped)?$')


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


def parse_state(line):
    """A snapshot line as (focus, {control: state}), or None for other entries."""
    if not line.startswith("state focus "):
        return None
    parts = line[len("state focus "):].split(" | ")
    controls = {}
    for part in parts[1:]:
        name, _, rest = part.partition(" ")
        controls[name] = rest
    return parts[0], controls


def combo_fields(state):
    match = COMBO.match(state)
    return match.groupdict() if match else None


def combos_where_only(ours, theirs, field):
    """The combo boxes that differ between two snapshots, when each differs in `field` alone; None
    when anything else differs. An open menu may differ with them: its greyed items follow the
    selection."""
    if ours[0] != theirs[0] or ours[1].keys() != theirs[1].keys():
        return None
    differing = [name for name in ours[1] if ours[1][name] != theirs[1][name] and name != "menu"]
    for name in differing:
        mine, other = combo_fields(ours[1][name]), combo_fields(theirs[1][name])
        if not mine or not other or any(mine[k] != other[k] for k in mine if k != field):
            return None
    return differing or None


def focus_selection(previous, ours, theirs):
    """Windows selects a drop-down combo box's text on each focus and clears it as the focus goes;
    Wine selects it only the first time and leaves it (tests/scenarios/combo_keys.scn). The focus
    can go from one combo box straight to the other, and both then differ."""
    combos = combos_where_only(ours, theirs, "edit")
    return combos is not None and previous is not None and \
        all((previous[0] == combo) != (ours[0] == combo) for combo in combos)


def typing_after_arrow(previous, ours, theirs):
    """After an arrow moved a drop-down combo box's list, Wine keeps that selection at the field's
    next change report (typing, or an undo); the list follows the text on Windows
    (tests/scenarios/combo_keys.scn)."""
    combos = combos_where_only(ours, theirs, "sel")
    if combos is None or len(combos) != 1 or previous is None or combos[0] not in previous[1]:
        return False
    before = combo_fields(previous[1][combos[0]])
    return before is not None and before["sel"] == combo_fields(theirs[1][combos[0]])["sel"]


KNOWN_WINE_DIFFERENCES = {
    "a combo box's selection as the focus comes and goes": focus_selection,
    "a combo box's list after an arrow, then typing": typing_after_arrow,
}


def first_difference(ours, theirs):
    previous = None
    for at in range(max(len(ours), len(theirs))):
        mine = ours[at] if at < len(ours) else "(nothing)"
        other = theirs[at] if at < len(theirs) else "(nothing)"
        if mine != other:
            return at, mine, other, previous
        previous = parse_state(mine) or previous
    return None


def known_wine_difference(previous, mine, other):
    ours, theirs = parse_state(mine), parse_state(other)
    if ours is None or theirs is None:
        return None
    for name, matches in KNOWN_WINE_DIFFERENCES.items():
        if matches(previous, ours, theirs):
            return name
    return None


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: compare_runs.py HEADLESS_LOG WINE_LOG")
    headless, wine = sequences(sys.argv[1]), sequences(sys.argv[2])
    differing, known = 0, {}
    for seed in headless:
        found = first_difference(headless[seed], wine.get(seed, ["(sequence missing)"]))
        if found is None:
            continue
        at, mine, other, previous = found
        name = known_wine_difference(previous, mine, other)
        if name:
            known[name] = known.get(name, 0) + 1
            continue
        differing += 1
        print(f"sequence {seed}, entry {at + 1}:\n  headless: {mine}\n  Wine:     {other}")
    missing = len(wine) - len(headless)
    print(f"{len(headless)} sequences compared, {differing} differ" + (f", {missing} more in the Wine run" if missing else ""))
    for name, count in known.items():
        print(f"  {count} reach a known difference of Wine from Windows first: {name}")
    sys.exit(1 if differing or missing or not headless else 0)


main()
