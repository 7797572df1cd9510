#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for the given number of seconds
# (30 by default) on its committed corpus. New inputs go to a scratch folder, not into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build_log=$(mktemp)
if ! CC=clang CXX=clang++ scripts/build.sh build-fuzz -DSECTOR_CLASH_FUZZ=ON >"$build_log" 2>&1; then
  tail -60 "$build_log" >&2
  exit 1
fi
rm -f "$build_log"
for target in build-fuzz/bin/fuzz_*; do
  name=${target##*/fuzz_}
  corpus=fuzz/corpus/$name
  scratch=$(mktemp -d)
  mkdir -p "$corpus"
  echo "fuzz_$name: ${seconds}s"
  log=$scratch.log
  status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$scratch" "$corpus" >"$log" 2>&1 || status=$?
  grep -E "^(stat::number_of_executed_units|SUMMARY|Done)" "$log" || true
  # Undefined behaviour is reported and the run goes on; it is a finding all the same.
  if [ "$status" -eq 0 ] && grep -q "^SUMMARY: UndefinedBehaviorSanitizer" "$log"; then
    status=1
  fi
  if [ "$status" -ne 0 ]; then tail -40 "$log" >&2; fi
  rm -rf "$scratch" "$log"
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$name found a problem (exit $status)" >&2
    exit 1
  fi
done
