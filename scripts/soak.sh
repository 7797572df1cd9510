#!/usr/bin/env bash
# Soak: level0 with the skirmish played for MINUTES of game time in the ASan + UBSan build (build-asan/, or
# SOAK_BUILD=folder with the programs in bin/).
#   headless (the default, 60 minutes): the simulator plays on past the level's end;
#   --windowed (10 minutes by default): the game itself through the driver in a window under Xvfb, drawing
#   every frame.
# Fails on any sanitizer report, or when the resident memory at the end exceeds by more than 10 % its value
# after 5 minutes of game time (after half the run, for runs of 10 minutes or less).
#   bash scripts/soak.sh               # the full hour headless
#   bash scripts/soak.sh 2             # the short version continuous integration runs
#   bash scripts/soak.sh --windowed    # ten minutes in a window
set -euo pipefail
cd "$(dirname "$0")/.."
windowed=false
if [ "${1:-}" = "--windowed" ]; then
  windowed=true
  shift
fi
if $windowed; then minutes=${1:-10}; else minutes=${1:-60}; fi
if $windowed; then program=sector-clash-autoplay; else program=sector-clash-simulate; fi
build=${SOAK_BUILD:-build-asan}
if [ -z "${SOAK_BUILD:-}" ]; then
  build_log=$(mktemp)
  if ! { cmake -S . -B "$build" -DSECTOR_CLASH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
    cmake --build "$build" -j"$(nproc)" --target "$program"; } >"$build_log" 2>&1; then
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
# passing for growth. The GL driver's own allocations at exit are not the game's leaks.
# A quarantine still filling at the reference point passes for growth too: the short runs (the reference
# after half of ten minutes or less) hold back 1 MB, which fills within the first seconds.
quarantine=16
if [ "$minutes" -le 10 ]; then quarantine=1; fi
asan_options="halt_on_error=1:quarantine_size_mb=$quarantine"
if $windowed; then asan_options="$asan_options:detect_leaks=0"; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-$asan_options}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
if $windowed; then
  # One line of memory figures every simulated second (62.5 frames of 16 ms: every 125 frames is 2 s).
  SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x720x24" "$build/bin/$program" --level levels/level0.xml --seed 1 \
    --frames $((seconds * 1000 / 16)) --memory-every 125 --stats >"$log" 2>"$log.err" || status=$?
else
  "$build/bin/$program" data/levels/level0.xml --skirmish --play-on --trace \
    --seconds "$seconds" >"$log" 2>"$log.err" || status=$?
fi
if [ "$status" -ne 0 ] || grep -qE "runtime error|ERROR: AddressSanitizer|ERROR: LeakSanitizer" "$log.err"; then
  tail -40 "$log.err" >&2
  echo "soak: the run failed (exit $status)" >&2
  rm -f "$log" "$log.err"
  exit 1
fi
# The first memory line at or after the reference second, and the last one. awk reads the whole file
# rather than stopping early in a pipe, which would end a writer upstream with SIGPIPE under pipefail.
early=$(awk -v ms=$((reference * 1000)) '/"rss_kb"/ && !found {
  match($0, /"(seconds|game_ms)": [0-9.]+/); split(substr($0, RSTART, RLENGTH), part, ": ");
  clock = (part[1] == "\"seconds\"") ? part[2] * 1000 : part[2];
  if (clock >= ms) { sub(/.*"rss_kb": /, ""); sub(/}.*/, ""); print; found = 1 } }' "$log")
late=$(grep '"rss_kb"' "$log" | tail -1 | sed -nE 's/.*"rss_kb": ([0-9]+)\}$/\1/p')
summary=$(tail -1 "$log")
rm -f "$log" "$log.err"
if [ -z "$early" ] || [ -z "$late" ]; then
  echo "soak: no memory figures in the output" >&2
  exit 1
fi
if $windowed; then mode="in a window"; else mode="headless"; fi
echo "soak: ${minutes} min of level0 with the skirmish $mode in $build/: resident ${early} kB after ${reference} s, ${late} kB at the end"
echo "soak: ${summary:0:200}"
if [ $((late * 10)) -gt $((early * 11)) ]; then
  echo "soak: resident memory grew by more than 10 %" >&2
  exit 1
fi
