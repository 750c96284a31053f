#!/usr/bin/env bash
# Native benchmarks (Google Benchmark, optimised build). Benchmarks that need
# Wine have scripts of their own in bench/.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
for b in build/bench/bench/*_bench; do
  echo "== $b"
  TZ=${TZ:-UTC} "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
done
