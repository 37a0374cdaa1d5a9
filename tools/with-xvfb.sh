#!/bin/sh
# Runs a command with DISPLAY set to a virtual X display of its own (1024 x 768,
# 24 bits), which is stopped afterwards. Returns the command's exit code.
# Usage: with-xvfb.sh COMMAND [ARGS...]
set -eu
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT INT TERM
i=0
until [ -e "/tmp/.X11-unix/X$n" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
    echo "with-xvfb: Xvfb :$n did not start" >&2
    exit 1
  fi
  sleep 0.1
done
export DISPLAY=":$n"
set +e
"$@"
rc=$?
set -e
exit $rc
