#!/bin/sh
# Runs a Windows program under wine64 with the build's own prefix (created once, then reused),
# inside Xvfb when no display is set.
if [ -z "$DISPLAY" ]; then
  # Everything below, the prefix's creation included, needs a display: wineboot without one
  # leaves a prefix in which no window can ever be created.
  exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
fi
program="$1"
bindir=$(cd "$(dirname "$program")" && pwd)
export WINEPREFIX="${UIRESOURCE_WINEPREFIX:-$(dirname "$bindir")/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$bindir"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
sh "$(dirname "$0")/wine-prefix.sh"
exec "$wine" "$@"
