#!/bin/sh
# make run: starts build/win64/Tramvelt.exe under Wine.
#   - Without WINEPREFIX: in a prefix of its own under BUILD/run, seeded once with
#     demo journaling entries.
#   - With WINEPREFIX=...: in that prefix, which is used as it is (no seeding).
#   - With no DISPLAY: on a virtual display; a screenshot of the screen is saved
#     to BUILD/run/screen.png and the program is ended.
# Usage: run.sh BUILD_DIR [WINEPREFIX]
set -eu
build=$1
user_prefix=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
exe=$build/win64/Tramvelt.exe
mkdir -p "$build/run"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "$user_prefix" ]; then
  export WINEPREFIX="$user_prefix"
else
  export WINEPREFIX="$build/run/wineprefix"
  "$here/wine-prefix.sh" "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/.tramvelt-demo" ]; then
    "$here/seed-demo.sh"
    touch "$WINEPREFIX/.tramvelt-demo"
  fi
fi

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Tramvelt (prefix $WINEPREFIX)"
  exec wine "$exe"
fi

shot="$build/run/screen.png"
"$here/with-xvfb.sh" sh -c '
  wine "$1" &
  program=$!
  # Wait until the main window is on the screen and painted.
  i=0
  until xdotool search --onlyvisible --name "^Tramvelt\$" >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 150 ] && break; sleep 0.1
  done
  sleep 1
  import -window root "$2"
  wineserver -k 2>/dev/null || true
  wait $program 2>/dev/null || true
' run "$exe" "$shot"
echo "No DISPLAY: ran on a virtual display; screenshot saved to $shot"
