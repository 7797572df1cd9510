#!/usr/bin/env bash
# Plays level0 with the skirmish for 60 simulated seconds in the normal build (build/) and in another build
# of the simulator, and fails unless both end in the same state digest: neither the optimisation nor the
# compiler may change a single result of the simulation. The other build is the folder given (the test
# command passes build-fuzz/: clang with the sanitizers), whose simulator is brought up to date with the
# folder's own settings; a folder not configured yet becomes a Release build (build-release/ by default).
set -euo pipefail
cd "$(dirname "$0")/.."
other=${1:-build-release}
seconds=${DETERMINISM_SECONDS:-60}
if [ ! -x build/bin/sector-clash-simulate ]; then
  echo "determinism: build/bin/sector-clash-simulate is missing; run scripts/build.sh first" >&2
  exit 1
fi
build_log=$(mktemp)
configure() {
  [ -f "$other/CMakeCache.txt" ] || cmake -S . -B "$other" -DCMAKE_BUILD_TYPE=Release >/dev/null
}
if ! { configure && cmake --build "$other" -j"$(nproc)" --target sector-clash-simulate; } >"$build_log" 2>&1; then
  tail -40 "$build_log" >&2
  exit 1
fi
rm -f "$build_log"
digest_of() {
  "$1" data/levels/level0.xml --skirmish --seed 7 --seconds "$seconds" | tail -1 |
    sed -nE 's/.*"digest": "([0-9a-f]+)".*/\1/p'
}
first=$(digest_of build/bin/sector-clash-simulate)
second=$(digest_of "$other/bin/sector-clash-simulate")
echo "determinism: level0 with the skirmish, ${seconds} s: build/ $first, $other/ $second"
if [ -z "$first" ] || [ "$first" != "$second" ]; then
  echo "determinism: the two builds disagree" >&2
  exit 1
fi
