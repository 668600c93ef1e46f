#!/bin/sh
# A person at the Linux desktop, played with xdotool under Xvfb: renames a mesh from the demo's
# main window through the desktop's clipboard (a name with an "é" pasted from another program with
# Ctrl+V, copied out with Ctrl+C, pasted back from the field's context menu), ticks a flag and picks
# a material in the mesh editor, cancels it and leaves. Each dialog is in a window of its own (the
# desktop library's own-windows way), the context menu in a popup window. Each click aims at the
# middle of a control as its template places it (where.py, from the inspector's reading of the
# template and where the dialog stands on the dialog manager's screen, which the windows show
# centred on the display). What the demo tells must match the golden transcript, the windows must
# show the picture the renderer draws of the screen (--snapshot) after each step, and at chosen
# steps that picture must be the golden one. Needs Xvfb, xdotool, xclip and Debian's python3-pil.
# usage: desktop_session.sh DEMO INSPECTOR DEMO_RES GOLDEN_DIR SCRATCH_DIR [--update]
set -eu
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' sh "$0" "$@"
fi
demo=$1 inspector=$2 demo_res=$3 golden=$4 scratch=$5 update=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch" && mkdir -p "$scratch"
snapshot=$scratch/screen.png
failed=0

"$demo" --out "$scratch/pictures" --snapshot "$snapshot" >"$scratch/transcript.txt" 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null || true' EXIT
# The main window, within 20 seconds and while the demo lives: a demo that cannot show it ends the
# test.
main="UIResource Sample Editor"
for _ in $(seq 40); do
  xdotool search --name "$main" >/dev/null 2>&1 && [ -s "$snapshot.dialogs" ] && break
  kill -0 $demo_pid 2>/dev/null || break
  sleep 0.5
done
if ! xdotool search --name "$main" >/dev/null 2>&1; then
  echo "the demo showed no window:"; cat "$scratch/transcript.txt"; exit 1
fi
# Where the dialog manager's screen lies on the display: the main window's place less the main
# dialog's place on that screen (the first line of the snapshot's places).
eval "$(xdotool search --name "$main" getwindowgeometry --shell | head -3)"
read -r left top _ <"$snapshot.dialogs"
ox=$((X - left)) oy=$((Y - top))

# Waits until the demo has handled an action and its window shows the snapshot (settle.py); after
# a first failure the others are given less time, so that a broken run ends soon.
shown=none deadline=15
settle() {
  if ! shown=$(/usr/bin/python3 "$(dirname "$0")/settle.py" "$snapshot" "$shown" "$1" "$deadline" $ox $oy); then
    failed=1 deadline=2
  fi
}

# The display point of a control of the dialog in front: TEMPLATE CONTROL [--res FILE] [--item N].
at() {
  set -- $(/usr/bin/python3 "$here/where.py" "$inspector" "$snapshot" "$@")
  echo $(($1 + ox)) $(($2 + oy))
}

# Settles, and compares the snapshot with the golden picture NAME.png when one is named.
step() {
  settle "$1"
  [ -n "${2:-}" ] || return 0
  cp "$snapshot" "$scratch/$2.png"
  if [ "$update" = --update ]; then cp "$snapshot" "$golden/$2.png"
  elif ! cmp -s "$snapshot" "$golden/$2.png"; then echo "$2: the picture differs from $golden/$2.png (see $scratch/$2.png)"; failed=1
  fi
}

# Waits until the X clipboard holds TEXT (UTF-8), as another program reads it.
clipboard_holds() {
  for _ in $(seq 50); do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "the clipboard holds \"$(xclip -o -selection clipboard 2>/dev/null)\", not \"$1\""; failed=1
}

step start
xdotool mousemove $(at 300 3010 --res "$demo_res") click 1               # Rename...
step rename
printf 'Caf\303\251 ' | xclip -selection clipboard -i                     # "Café ", from another program
xdotool key ctrl+v                               # pasted in front of the old name, where the caret is
step pasted name-entry-pasted
xdotool key End shift+Home ctrl+c
clipboard_holds "Café Boulder"
xdotool key Delete
step emptied
xdotool mousemove $(at 101 1051) click 3                                # the field's context menu
step menu name-entry-menu
# Paste, the fifth entry: the menu opens at the pointer, below a 3-pixel frame, three entries of
# 17 pixels and a 9-pixel separator.
xdotool mousemove_relative 20 71 click 1
step pasted-back
xdotool key Return
step renamed main-window-renamed
xdotool mousemove $(at 300 3001 --res "$demo_res" --item 2) click 1      # Guard, in the mesh list
xdotool key alt+e                                 # &Edit Mesh...
step editor
xdotool mousemove $(at 109 1156) click 1                                 # Fake Shadows
step ticked mesh-editor-ticked
xdotool mousemove $(at 109 1001) mousedown 1                             # Fake Shadow Material, held down
step pressed mesh-editor-pressed
xdotool mouseup 1                                 # ... and let go: the material list opens
step chooser
xdotool mousemove $(at 102 1085 --item 2) click 1                       # Granite (Bark, Default, Granite, ...)
xdotool mousemove $(at 102 1) click 1                                    # Use
step picked
xdotool key Escape                                # Cancel rolls the mesh back
step cancelled main-window-cancelled
xdotool key alt+f                                 # Material &Frame...
step frame
xdotool mousemove $(at --close-box) click 1                              # its close box
step closed
xdotool mousemove $(at 300 3015 --res "$demo_res") click 1               # Exit
step exit
xdotool key Return
# Accepting the exit dialog ends the demo; one that is still running is stopped.
for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 $demo_pid 2>/dev/null && sleep 0.5; done
if kill -0 $demo_pid 2>/dev/null; then echo "the demo is still running after the exit dialog"; failed=1; fi
trap - EXIT
kill $demo_pid 2>/dev/null || true
wait $demo_pid || { [ "$failed" -eq 1 ] || { echo "the demo ended with status $?"; failed=1; }; }

sed "s#$scratch#SCRATCH#g" "$scratch/transcript.txt" >"$scratch/transcript.seen"
if [ "$update" = --update ]; then cp "$scratch/transcript.seen" "$golden/desktop-session.txt"
elif ! diff -u "$golden/desktop-session.txt" "$scratch/transcript.seen"; then failed=1
fi
[ "$failed" -eq 0 ] && echo "desktop session: as expected"
exit "$failed"
