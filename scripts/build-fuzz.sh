#!/usr/bin/env bash
# Builds into build-fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer: the libFuzzer targets
# and the simulator, nothing else. The simulator built so serves the determinism check (another compiler
# must reach the same digest) and the soak (any sanitizer report fails it). Nobody edits in it, so it is
# built for a short wait: a unity build (sources compiled in batches, their shared headers read once a
# batch) with line tables only, which is all the sanitizers' reports need to name functions and lines.
set -euo pipefail
cd "$(dirname "$0")/.."
build_log=$(mktemp)
trap 'rm -f "$build_log"' EXIT
if ! { CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSECTOR_CLASH_FUZZ=ON \
  -DCMAKE_UNITY_BUILD=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" >/dev/null &&
  cmake --build build-fuzz -j"$(nproc)" --target fuzzers sector-clash-simulate; } >"$build_log" 2>&1; then
  tail -60 "$build_log" >&2
  exit 1
fi
