#!/bin/sh
# Makes the Wine prefix $WINEPREFIX ready for the Windows tests, once, whoever asks first:
#   - created with a display (wineboot without one leaves a prefix in which no window can be made);
#   - Wine's own fonts (fonts-wine) copied into its Fonts folder, so that the templates'
#     "MS Sans Serif" is Wine's bitmap face and "System", "Tahoma" and "Marlett" are Wine's too.
#     Debian's Wine does not read /usr/share/wine/fonts by itself: without the copy every face
#     resolves through fontconfig to whatever the machine has (DejaVu Sans, or Liberation Sans
#     where fonts-liberation is installed), and control sizes and list rows change with it;
#   - its windows unmanaged: with no window manager under Xvfb, Wine otherwise waits two seconds
#     for one each time a dialog hides.
# Needs a display; cmake/wine-run.sh and the test command run it inside Xvfb.
set -eu
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
fonts=/usr/share/wine/fonts
ready="$WINEPREFIX/.uiresource-ready"
[ -f "$ready" ] && exit 0
mkdir -p "$WINEPREFIX"
(
  flock 9
  [ -f "$ready" ] && exit 0
  [ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot -i >/dev/null 2>&1; wineserver -w; }
  if [ ! -f "$fonts/sserife.fon" ]; then
    echo "wine-prefix: $fonts/sserife.fon is missing (install fonts-wine: sh cmake/setup-debian.sh)" >&2
    exit 1
  fi
  cp "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$ready"
) 9>"$WINEPREFIX.lock"
