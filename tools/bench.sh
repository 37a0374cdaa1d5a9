#!/bin/sh
# Runs the benchmarks of the bench trees in BUILD_DIR (bench-native, and
# bench-win64 under Wine in the throwaway prefix bench-win64/wineprefix, never
# ~/.wine). Each benchmark is one section below; all sections run even if one
# fails, and the exit code is non-zero if any did.
# Usage: bench.sh BUILD_DIR
set -eu
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
native=$build/bench-native/bench
win64=$build/bench-win64/bench
prefix=$build/bench-win64/wineprefix

stop_wine() {
  [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
}
trap stop_wine EXIT
trap 'exit 130' INT TERM

failed=0
section() { printf '\n=== %s ===\n' "$1"; }
# run_native NAME [ARGS...], run_wine NAME [ARGS...]: run one benchmark binary.
run_native() {
  name=$1; shift
  "$native/$name" "$@" || { echo "bench: $name (native) failed" >&2; failed=1; }
}
run_wine() {
  name=$1; shift
  "$here/wine-run.sh" "$prefix" "$win64/$name.exe" "$@" ||
    { echo "bench: $name.exe (Wine) failed" >&2; failed=1; }
}

# --- Journal entries: load and apply steps against a plain loop of the same
# registry calls (in-memory registry natively; advapi32 and in-memory under Wine).
bench_journal() {
  section "journal: native"
  run_native journal_bench
  section "journal: win64 under Wine"
  run_wine journal_bench
}

# --- Start-up: the program (against the demo entries) to its painted main window,
# against a bare Win32 window, both timed from outside by startup_bench.exe on
# one virtual display. The journal bench removes its keys when it ends, so the
# demo entries are seeded here, after it, in the same prefix.
bench_startup() {
  section "startup: win64 under Wine"
  # Timings under Wine stretch with other load on the machine.
  echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo unknown)"
  # A fresh wineserver on this section's display (none may linger from before).
  stop_wine
  WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
  "$here/wine-prefix.sh" "$prefix"
  WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    "$here/with-xvfb.sh" sh -c '
      # Exactly the demo entries, whatever an earlier run left.
      wine reg delete "HKCU\\Software\\Microsoft\\Shared Tools\\Outlook\\Journaling" /f \
        >/dev/null 2>&1 || true
      "$1/seed-demo.sh" || { echo "bench: seeding the demo entries failed" >&2; exit 1; }
      "$1/wine-run.sh" "$2" "$3/startup_bench.exe"
      rc=$?
      wineserver -k 2>/dev/null || true
      exit $rc
    ' startup "$here" "$prefix" "$win64" ||
    { echo "bench: startup_bench.exe (Wine) failed" >&2; failed=1; }
}

bench_journal
bench_startup

exit $failed
