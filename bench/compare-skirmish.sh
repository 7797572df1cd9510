#!/bin/bash
# Compares builds of the skirmish benchmark on a machine whose speed drifts: runs each binary in turn, N
# rounds, and prints each one's processor time per tank from lowest to highest.
#   bash bench/compare-skirmish.sh SIZE ROUNDS BINARY...
#   bash bench/compare-skirmish.sh 16384 5 /tmp/bench_before build-release/bin/bench_skirmish
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 SIZE ROUNDS BINARY..." >&2; exit 2; }
size=$1 rounds=$2
shift 2
declare -A figures
for _ in $(seq "$rounds"); do
    for binary in "$@"; do
        figure=$("$binary" --benchmark_filter="Skirmish/$size/" 2>&1 | grep -o 'cpu_us_per_tank=[0-9.]*' |
            cut -d= -f2)
        figures[$binary]="${figures[$binary]:-} $figure"
    done
done
for binary in "$@"; do
    echo "$binary: $(echo ${figures[$binary]} | tr ' ' '\n' | sort -n | tr '\n' ' ')"
done
