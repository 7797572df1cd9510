#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless under Xvfb: the unit and screen tests,
# the data checker on data/, the determinism check across two builds, a
# two-minute soak, and each fuzzer for a short run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build

export SDL_AUDIODRIVER=dummy
ctest_log=$(mktemp)
xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600 | tee "$ctest_log"

if [ -x build/bin/sector-clash-check ]; then
  build/bin/sector-clash-check data
fi

# The same game in a Release build must end in the same state; two minutes of it must not grow in memory.
scripts/determinism.sh
SOAK_BUILD=build-release scripts/soak.sh 2

if [ "${SKIP_FUZZ:-0}" != "1" ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
fi

# The tests' count again as the last line, after the checker's and the fuzzers' output.
summary=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$ctest_log" | tail -1)
rm -f "$ctest_log"
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
echo "tests: $((total - failed)) passed, $failed failed"
