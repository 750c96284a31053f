#!/usr/bin/env bash
# Runs every libFuzzer target (or the ones named) for the given seconds each,
# one after another at the lowest priority, and prints executions and
# findings per target:
#
#   fuzz/fuzz.sh [seconds] [target...]        FUZZ_RUNS=N stops each after N executions
#
# Each target starts from its committed seeds (fuzz/corpus/<target>) and the
# inputs earlier runs found (build/fuzz-corpus/<target>); a crashing input is
# kept in build/fuzz-findings/<target>/ and belongs in the committed corpus
# once fixed. Exits non-zero when any target found something.
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))

cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null || { echo "fuzz build failed"; exit 2; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

total_findings=0
for name in "${targets[@]}"; do
  binary=build/fuzz/fuzz/$name
  [ -x "$binary" ] || { echo "$name: no such target"; total_findings=$((total_findings + 1)); continue; }
  corpus=build/fuzz-corpus/$name findings=build/fuzz-findings/$name
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  [ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  log=$findings/log.txt
  nice -n 19 "$binary" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  found=$(find "$findings" -type f ! -name log.txt | wc -l)
  [ "$status" -ne 0 ] && [ "$found" -eq 0 ] && found=1 # a fault that left no input behind
  total_findings=$((total_findings + found))
  echo "$name: ${runs:-0} executions, ${rate:-0}/s, $found findings"
  [ "$found" -gt 0 ] && grep -m3 -E '^==[0-9]+==ERROR|^SUMMARY|runtime error' "$log" | sed 's/^/  /'
done
[ "$total_findings" -eq 0 ]
