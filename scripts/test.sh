#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless under Xvfb: the unit and screen tests,
# the data checker on data/, the determinism check across two compilers, a two-minute soak under the
# sanitizers, and each fuzzer for a short run.
# Every phase ends with a line of its wall time and the processor time of all it ran, so a slow run's log
# shows where the time went.
set -euo pipefail
cd "$(dirname "$0")/.."

times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT
# Sets cpu_ms to the processor time, in milliseconds, of every finished process this shell has waited
# for. Not in a $(...): a subshell starts from nothing.
cpu_ms=0
count_cpu_ms() {
  times >"$times_file"
  local user system
  { read -r _ _ && read -r user system; } <"$times_file"
  cpu_ms=$(($(seconds_to_ms "$user") + $(seconds_to_ms "$system")))
}
# "1m2.345s" as 62345.
seconds_to_ms() {
  local minutes=${1%%m*} rest=${1#*m}
  rest=${rest%s}
  echo $((10#$minutes * 60000 + 10#${rest%.*} * 1000 + 10#${rest#*.}))
}
# report NAME START_TIME CPU_MS: one line of a phase's wall and processor time.
report() {
  local wall_ms=$(((${EPOCHREALTIME/./} - ${2/./}) / 1000))
  printf 'time: %-12s wall %5d.%d s, processor %5d.%d s\n' "$1" \
    $((wall_ms / 1000)) $((wall_ms % 1000 / 100)) $(($3 / 1000)) $(($3 % 1000 / 100))
}
# timed NAME COMMAND...: runs the command as its own job, so that a failure inside a shell function still
# stops it as set -e would, and prints the phase's times whether it passed or failed.
timed() {
  local name=$1 status=0
  shift
  local start=$EPOCHREALTIME cpu_before
  count_cpu_ms
  cpu_before=$cpu_ms
  "$@" &
  wait $! || status=$?
  count_cpu_ms
  report "$name" "$start" $((cpu_ms - cpu_before))
  return "$status"
}

ctest_log=$(mktemp)
run_tests() {
  xvfb-run -a -s "-screen 0 1920x1080x24" \
    ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600 | tee "$ctest_log"
}
check_data() {
  if [ -x build/bin/sector-clash-check ]; then
    build/bin/sector-clash-check data
  fi
}
# The suite leaves a processor idle much of the time (screen tests wait on Xvfb), and the sanitizer build
# has long stretches of one job (its libraries' order, its links): side by side they fill both.
tests_beside_sanitized_build() {
  local status=0 sanitized=""
  if [ "${SKIP_FUZZ:-0}" != "1" ]; then
    scripts/build-fuzz.sh &
    sanitized=$!
  fi
  run_tests || status=$?
  if [ -n "$sanitized" ]; then wait "$sanitized" || status=$?; fi
  return "$status"
}
# The same game built by another compiler under the sanitizers must end in the same state, and two minutes
# of it must not grow in memory nor trip a sanitizer; each needs one processor, so they run side by side.
# Without the sanitizer build (SKIP_FUZZ=1) both use a Release build, which the determinism check makes.
determinism_and_soak() {
  if [ "${SKIP_FUZZ:-0}" = "1" ]; then
    scripts/determinism.sh build-release && SOAK_BUILD=build-release scripts/soak.sh 2
    return
  fi
  local status=0
  scripts/determinism.sh build-fuzz &
  local determinism=$!
  SOAK_BUILD=build-fuzz scripts/soak.sh 2 || status=$?
  wait "$determinism" || status=$?
  return "$status"
}
fuzz() {
  if [ "${SKIP_FUZZ:-0}" != "1" ]; then scripts/fuzz.sh "${FUZZ_SECONDS:-10}"; fi
}

total_start=$EPOCHREALTIME
timed dependencies scripts/install-deps.sh
# Ninja for the build folders this run makes (CMake keeps a folder's first generator): make's tree of
# makefiles costs seconds of processor every time a folder is built, even when nothing is to do, and this
# run builds its folders again (the fuzzers, the determinism check, the soak, the package test's cpack).
if [ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null; then
  export CMAKE_GENERATOR=Ninja
fi
# A unity build compiles the sources in batches of a few files, so the headers they share are read once a
# batch instead of once a file; developers' incremental builds stay per file. Line tables only (-g1): a
# failure's backtrace still names every function, file and line, for a fifth less compiling and objects an
# eighth the size to link.
timed build scripts/build.sh build -DCMAKE_UNITY_BUILD=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
export SDL_AUDIODRIVER=dummy
timed tests+clang tests_beside_sanitized_build
timed data-check check_data
timed determinism determinism_and_soak
timed fuzzers fuzz
count_cpu_ms
report total "$total_start" "$cpu_ms"

# The tests' count again as the last line, after the checker's and the fuzzers' output.
summary=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$ctest_log" | tail -1)
rm -f "$ctest_log"
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
echo "tests: $((total - failed)) passed, $failed failed"
