#!/bin/sh
# Runs a command while the Wine server of $WINEPREFIX and Wine's own background
# programs are already running, with their output detached. Otherwise the first
# test to start a Windows program would start them, and since they inherit its
# output, the test would seem to run until the last of them exits. The server
# is stopped afterwards; the command's exit code is returned.
# Usage: WINEPREFIX=... wine-session.sh COMMAND [ARGS...]
set -u
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
"$@"
rc=$?
wineserver -k 2>/dev/null
exit $rc
