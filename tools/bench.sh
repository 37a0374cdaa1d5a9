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

bench_journal

exit $failed
