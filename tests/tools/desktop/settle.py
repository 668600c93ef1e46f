#!/usr/bin/python3
"""Waits for the demo's windows to settle after an action, then checks that they show the
snapshot it keeps. Settled: the snapshot was rewritten since PREVIOUS (its last modification
time, as this printed it), has stayed so for 0.3 s, and where each dialog stands (SNAPSHOT.dialogs)
the screen shows that picture pixel for pixel, the dialog manager's screen lying at ORIGIN_X,
ORIGIN_Y of the display. Prints the snapshot's modification time; exits 1 when the screen still
differs at the deadline, keeping the screen as SNAPSHOT.NAME.screen.png.

Usage: settle.py SNAPSHOT PREVIOUS NAME DEADLINE_SECONDS ORIGIN_X ORIGIN_Y
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


def dialog_mask(path, size):
    """The snapshot's pixels that lie on a dialog, white on black."""
    mask = Image.new("1", size, 0)
    with open(path + ".dialogs", encoding="utf-8") as places:
        for line in places:
            if line.strip():
                left, top, right, bottom = (int(value) for value in line.split()[:4])
                mask.paste(1, (left, top, right, bottom))
    return mask


def difference(path, origin):
    """The box where the screen differs from the snapshot on a dialog, and the screen; None when equal."""
    snapshot = Image.open(path).convert("RGB")
    box = origin + (origin[0] + snapshot.size[0], origin[1] + snapshot.size[1])
    screen = ImageGrab.grab().crop(box).convert("RGB")
    black = Image.new("RGB", snapshot.size)
    mask = dialog_mask(path, snapshot.size)
    return ImageChops.difference(Image.composite(screen, black, mask), Image.composite(snapshot, black, mask)).getbbox(), screen


def main():
    path, previous, name, seconds = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
    origin = (int(sys.argv[5]), int(sys.argv[6]))
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
        box, screen = difference(path, origin)
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
