#!/usr/bin/python3
"""Where a person clicks a control of the dialog in front, in screen pixels: the control's middle
as its template places it (read with the inspector's `show`, in dialog units and base units),
from the dialog's client area as the desktop front end last showed it (SNAPSHOT.dialogs, written
beside its --snapshot picture). Prints "X Y".

Usage: where.py INSPECTOR SNAPSHOT TEMPLATE_ID CONTROL_ID [--res FILE.res] [--item N]
       where.py INSPECTOR SNAPSHOT --close-box
  --item N   the middle of a list box's item N, counting from its top item
  --close-box  the close box at the right of the front dialog's title bar
"""
import re
import subprocess
import sys

FRAME = 3            # a dialog's frame, each side
CLOSE_BOX_RIGHT = 10  # from the frame's inner right edge to the close box's middle
CLOSE_BOX_DOWN = 9    # from the title bar's top


def front_dialog(snapshot):
    """(frame, client origin) of the dialog in front, from the front end's last picture."""
    with open(snapshot + ".dialogs", encoding="utf-8") as places:
        last = [line.split() for line in places if line.strip()][-1]
    left, top, right, bottom, client_left, client_top = (int(value) for value in last[:6])
    return (left, top, right, bottom), (client_left, client_top)


def mul_div(value, numerator, denominator):
    """MulDiv: the product divided, rounded half away from zero."""
    return (value * numerator + denominator // 2) // denominator


def control_box(inspector, template, control, resources):
    """The control's box in pixels of the client area, and the template font's base units."""
    command = [inspector] + (["--res", resources] if resources else []) + ["show", template]
    shown = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    units = re.search(r"base units (\d+) x (\d+)", shown)
    base_x, base_y = int(units.group(1)), int(units.group(2))
    for line in shown.splitlines():
        row = re.match(r"\s+\d+\s+(-?\d+)\s+\S+\s+(-?\d+)\s+(-?\d+)\s+(\d+)\s+(\d+)", line)
        if row and row.group(1) == control:
            x, y, width, height = (int(value) for value in row.groups()[1:])
            left, top = mul_div(x, base_x, 4), mul_div(y, base_y, 8)
            return (left, top, left + mul_div(width, base_x, 4), top + mul_div(height, base_y, 8)), base_y
    sys.exit(f"where.py: template {template} has no control {control}")


def main():
    arguments = sys.argv[1:]
    if len(arguments) == 3 and arguments[2] == "--close-box":
        (_, top, right, _), _ = front_dialog(arguments[1])
        print(right - FRAME - CLOSE_BOX_RIGHT, top + FRAME + CLOSE_BOX_DOWN)
        return
    if len(arguments) < 4:
        sys.exit(__doc__)
    inspector, snapshot, template, control = arguments[:4]
    options = dict(zip(arguments[4::2], arguments[5::2]))
    (left, top, right, bottom), item_height = control_box(inspector, template, control, options.get("--res"))
    _, (client_left, client_top) = front_dialog(snapshot)
    if "--item" in options:
        # Inside the list's one-pixel border, a little right of the item's start.
        x, y = left + 8, top + 1 + int(options["--item"]) * item_height + item_height // 2
    else:
        x, y = (left + right) // 2, (top + bottom) // 2
    print(client_left + x, client_top + y)


if __name__ == "__main__":
    main()
