#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless under Xvfb: the unit and screen tests,
# the data checker on data/, and each fuzzer for a short run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build

export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600

if [ -x build/bin/sector-clash-check ]; then
  build/bin/sector-clash-check data
fi

if [ "${SKIP_FUZZ:-0}" != "1" ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
fi
