#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (scripts/build-fuzz.sh) and runs each for the given number of
# seconds (30 by default) on its committed corpus, as many at once as there are processors. New inputs go
# to a scratch folder, not into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/build-fuzz.sh

# fuzz_one TARGET REPORT: runs one target; its summary, or the end of its log when it found something, goes
# to REPORT. Fails when the target found a problem.
fuzz_one() {
  local target=$1 report=$2 name=${1##*/fuzz_}
  local corpus=fuzz/corpus/$name scratch status=0
  scratch=$(mktemp -d)
  mkdir -p "$corpus"
  local log=$scratch.log
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$scratch" "$corpus" >"$log" 2>&1 || status=$?
  {
    echo "fuzz_$name: ${seconds}s"
    grep -E "^(stat::number_of_executed_units|SUMMARY|Done)" "$log" || true
    # Undefined behaviour is reported and the run goes on; it is a finding all the same.
    if [ "$status" -eq 0 ] && grep -q "^SUMMARY: UndefinedBehaviorSanitizer" "$log"; then
      status=1
    fi
    if [ "$status" -ne 0 ]; then
      tail -40 "$log"
      echo "fuzz_$name found a problem (exit $status)"
    fi
  } >"$report"
  rm -rf "$scratch" "$log"
  return "$status"
}

reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
running=0
failed=0
for target in build-fuzz/bin/fuzz_*; do
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$target" "$reports/${target##*/}" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
cat "$reports"/*
if [ "$failed" -ne 0 ]; then
  echo "fuzz: a target found a problem (above)" >&2
  exit 1
fi
