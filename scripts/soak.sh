#!/usr/bin/env bash
# Soak: level0 with the skirmish played headless for MINUTES of game time (60 by default), on past the
# level's end, in the ASan + UBSan build (build-asan/, or SOAK_BUILD=folder with a simulator in bin/).
# Fails on any sanitizer report, or when the resident memory at the end exceeds by more than 10 % its value
# after 5 minutes of game time (after half the run, for runs of 10 minutes or less).
#   bash scripts/soak.sh          # the full hour
#   bash scripts/soak.sh 2        # the short version continuous integration runs
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-60}
build=${SOAK_BUILD:-build-asan}
if [ -z "${SOAK_BUILD:-}" ]; then
  build_log=$(mktemp)
  if ! { cmake -S . -B "$build" -DSECTOR_CLASH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
    cmake --build "$build" -j"$(nproc)" --target sector-clash-simulate; } >"$build_log" 2>&1; then
    tail -40 "$build_log" >&2
    exit 1
  fi
  rm -f "$build_log"
fi
seconds=$((minutes * 60))
reference=300
if [ "$minutes" -le 10 ]; then reference=$((seconds / 2)); fi
log=$(mktemp)
status=0
# ASan holds freed blocks back (256 MB by default) to catch late uses; a small quarantine keeps that from
# passing for growth.
ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:quarantine_size_mb=16} UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1} \
  "$build/bin/sector-clash-simulate" data/levels/level0.xml --skirmish --play-on --trace \
  --seconds "$seconds" >"$log" 2>"$log.err" || status=$?
if [ "$status" -ne 0 ] || grep -qE "runtime error|ERROR: AddressSanitizer|ERROR: LeakSanitizer" "$log.err"; then
  tail -40 "$log.err" >&2
  echo "soak: the run failed (exit $status)" >&2
  rm -f "$log" "$log.err"
  exit 1
fi
rss_at() { sed -nE "s/^\{\"seconds\": $1\.[0-9]+, .*\"rss_kb\": ([0-9]+)\}$/\1/p" "$log" | head -1; }
early=$(rss_at "$reference")
late=$(grep '"rss_kb"' "$log" | tail -1 | sed -nE 's/.*"rss_kb": ([0-9]+)\}$/\1/p')
summary=$(tail -1 "$log")
rm -f "$log" "$log.err"
if [ -z "$early" ] || [ -z "$late" ]; then
  echo "soak: no memory figures in the trace" >&2
  exit 1
fi
echo "soak: ${minutes} min of level0 with the skirmish in $build/: resident ${early} kB after ${reference} s, ${late} kB at the end"
echo "soak: ${summary:0:160}"
if [ $((late * 10)) -gt $((early * 11)) ]; then
  echo "soak: resident memory grew by more than 10 %" >&2
  exit 1
fi
