#!/bin/sh
# A person at the package's desktop hosts, played with xdotool (under Xvfb when there is no
# display): Name Entry in a window of its own, over no host window, an SDL2 one and an X11 one;
# the person clicks the host's window (which must get nothing), moves to the field, types a name
# and presses Enter, or clicks OK at scale 2.
# usage: own-windows.sh HOSTS_DIR SCRATCH_DIR
set -u
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' sh "$0" "$@"
fi
hosts=$1 scratch=$2
mkdir -p "$scratch"
failed=0

# The window named NAME, once it is shown (20 seconds at most).
window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }

# Where window NAME is: sets X, Y, WIDTH and HEIGHT.
corner() { eval "$(xdotool getwindowgeometry --shell "$(window "$1")" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"; }

# The middle of window NAME, "X Y".
middle() { corner "$1"; echo $((X + WIDTH / 2)) $((Y + HEIGHT / 2)); }

# centred NAME: the dialog's window must be centred over the host's (odd sizes halve to a pixel less).
centred() {
  set -- $(middle "Owner Host") $(middle "Name Entry") "$1"
  dx=$(($1 - $3)) dy=$(($2 - $4))
  [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] || { echo "$5: Name Entry's middle is at $3 $4, the host's at $1 $2"; failed=1; }
}

# expect NAME OUTPUT_FILE LINE...: each line must be in the host's output.
expect() {
  name=$1 output=$2
  shift 2
  for line in "$@"; do
    grep -qxF "$line" "$output" || { echo "$name: no line '$line' in:"; sed 's/^/    /' "$output"; failed=1; return; }
  done
  echo "$name: as expected"
}

# run NAME HOST ARGS...: starts the host and waits for its Name Entry window.
run() {
  name=$1
  shift
  "$@" >"$scratch/$name.txt" 2>&1 &
  pid=$!
  [ -n "$(window "Name Entry")" ] || { echo "$name: no Name Entry window"; cat "$scratch/$name.txt"; failed=1; kill $pid; return 1; }
}

finish() { for _ in $(seq 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done; kill $pid 2>/dev/null; wait $pid; }

if run name-entry "$hosts/name_entry_host"; then
  corner "Name Entry"  # drawn at the display's scale: 1 under Xvfb
  [ "$WIDTH $HEIGHT" = "341 171" ] || { echo "name-entry: the window is $WIDTH x $HEIGHT, not 341 x 171"; failed=1; }
  xdotool key shift+Tab type "Big Rock"
  xdotool key Return
  finish
  expect name-entry "$scratch/name-entry.txt" 'result 1, name "Big Rock"'
fi

if run owner-sdl "$hosts/owner_host" sdl 1; then
  centred owner-sdl
  corner "Owner Host"
  xdotool mousemove $((X + 20)) $((Y + 20)) click 1
  xdotool key shift+Tab type "Big Rock"
  xdotool key Return
  for _ in $(seq 20); do grep -q '^result' "$scratch/owner-sdl.txt" && break; sleep 0.1; done
  if xdotool search --onlyvisible --name "^Name Entry\$" >/dev/null; then
    echo "owner-sdl: the dialog's window stays after the dialog ended"; failed=1
  fi
  finish
  expect owner-sdl "$scratch/owner-sdl.txt" "an X11 window that does not exist: refused" \
    "an SDL window that is none: refused" "scale 1" \
    'result 1, name "Big Rock", host input 0, repainted yes' "from the repaint: a dialog answers -1, choosing a way -3"
fi

if run owner-x11 "$hosts/owner_host" x11 2; then
  centred owner-x11
  corner "Owner Host"
  xdotool mousemove $((X + 20)) $((Y + 20)) click 1
  xdotool key shift+Tab type "Big Rock"
  corner "Name Entry"  # OK's middle, 120, 145 pixels into the window at scale 1
  xdotool mousemove $((X + 240)) $((Y + 290)) click 1
  finish
  expect owner-x11 "$scratch/owner-x11.txt" "scale 2" 'result 1, name "Big Rock", host input 0, repainted yes'
fi
# On a display of 192 dots per inch the display's scale is 2: the window is twice as large.
dense=$(xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 192' sh -c '
  "$1" >/dev/null 2>&1 &
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Name Entry\$" | head -n 1)
  xdotool getwindowgeometry --shell "$window" | grep -E "^(WIDTH|HEIGHT)=" | tr "\n" " "
  xdotool key Escape
  wait' sh "$hosts/name_entry_host")
[ "$dense" = "WIDTH=682 HEIGHT=342 " ] || { echo "name-entry at 192 dpi: the window is not 682 x 342: $dense"; failed=1; }
exit $failed
