#!/bin/sh
# Creates the Wine prefix PREFIX unless it exists already, with the settings
# every prefix of this project gets. Safe to call from tests running in parallel.
# Usage: wine-prefix.sh PREFIX
set -eu
prefix=$1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$prefix/.tramvelt-ready" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.tramvelt-ready" ] && exit 0
rm -rf "$prefix"
wineboot -i >/dev/null 2>&1
# Wine's own fonts (caption button glyphs, MS Sans Serif, Tahoma) are not found
# in its data directory on Debian; the prefix's font folder always is.
if [ -d /usr/share/wine/fonts ]; then
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# Let the program paint its own frame instead of handing it to an X window manager.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wineserver -w
touch "$prefix/.tramvelt-ready"
