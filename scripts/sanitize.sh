#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-asan -DSECTOR_CLASH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
# Leaks reported from libdbus and the unloaded GL driver are not ours.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 900
