#!/bin/sh
# Runs a Windows executable under Wine in the given prefix, which is created on
# first use (once per build tree) with the settings the tests rely on. Without a
# DISPLAY it runs on a virtual display of its own.
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -eu
prefix=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$prefix"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
