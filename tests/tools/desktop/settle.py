#!/usr/bin/python3
"""Waits for the desktop front end to settle after an action, then checks that the window shows
the snapshot it keeps. Settled: the snapshot was rewritten since PREVIOUS (its last modification
time, as this printed it), has stayed so for 0.3 s, and the screen's top-left corner is that
picture pixel for pixel. Prints the snapshot's modification time; exits 1 when the screen still
differs at the deadline, keeping the screen as SNAPSHOT.NAME.screen.png.

Usage: settle.py SNAPSHOT PREVIOUS NAME DEADLINE_SECONDS
"""
import os
import sys
import time

from PIL import Image, ImageChops, ImageGrab


def modified(path):
    try:
        return str(os.stat(path).st_mtime_ns)
    except OSError:
        return "none"


def difference(path):
    """The box where the screen differs from the snapshot, and the screen; None when equal."""
    snapshot = Image.open(path).convert("RGB")
    screen = ImageGrab.grab().crop((0, 0) + snapshot.size).convert("RGB")
    return ImageChops.difference(screen, snapshot).getbbox(), screen


def main():
    path, previous, name, seconds = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
    deadline = time.time() + seconds
    seen, since = modified(path), time.time()
    while True:
        time.sleep(0.1)
        now = modified(path)
        if now != seen:
            seen, since = now, time.time()
            continue
        late = time.time() > deadline
        if seen == "none" or ((seen == previous or time.time() - since < 0.3) and not late):
            if late:
                sys.exit(f"{name}: no snapshot")
            continue
        box, screen = difference(path)
        if box is None:
            print(seen)
            return
        if late:
            screen.save(f"{path}.{name}.screen.png")
            print(seen)
            sys.exit(f"{name}: the window differs from the snapshot within {box}")
        since = time.time()


if __name__ == "__main__":
    main()
