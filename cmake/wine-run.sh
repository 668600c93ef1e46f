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
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  ( flock 9; [ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot -i >/dev/null 2>&1; wineserver -w; } ) 9>"$WINEPREFIX.lock"
fi
# Windows as no window manager handles them: with none running under Xvfb, Wine otherwise waits
# two seconds for one each time a dialog hides.
if ! grep -qs '"Managed"="N"' "$WINEPREFIX/user.reg"; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
exec "$wine" "$@"
