#!/usr/bin/env bash
# Time of one horaset run against the clock component in the stand-in taskbar:
# a run setting one element and a run setting 20, each repeated, medians in ms
# (a run includes starting the process under Wine). Run under Wine after a
# win64 build:
#   scripts/with-wine.sh bench/horaset.sh [repetitions]
set -u
cd "$(dirname "$0")/.."
runs=${1:-21}
build=$PWD/build/win64
dll=$build/clockhook/HORALUME.DLL
horaset=$build/horaset/horaset.exe
clockctl=$build/taskbar/testing/clockctl.exe

wine "$build/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar=$!
times=$(mktemp -d /tmp/horaset-bench.XXXXXX)
finish() {
  wine "$clockctl" remove "$dll" >/dev/null 2>&1
  kill "$taskbar" 2>/dev/null
  wait "$taskbar" 2>/dev/null
  rm -rf "$times"
}
trap finish EXIT
sleep 3
wine "$clockctl" install "$dll" || { echo "cannot install the clock component"; exit 1; }

# Wall time in ms of one horaset run with the given arguments.
run_ms() {
  local start end
  start=$(date +%s%N)
  wine "$horaset" "$@" >"$times/output" || { echo "horaset failed: $?" >&2; cat "$times/output" >&2; return 1; }
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'; }

twenty=()
for i in $(seq 20); do twenty+=("ELEM$i=value $i"); done

# One warm-up of each, then the two kinds of run alternate so that a change in
# the machine's load hits both alike.
run_ms MYITEM=Hello >/dev/null && run_ms "${twenty[@]}" >/dev/null || exit 1
for _ in $(seq "$runs"); do
  run_ms MYITEM=Hello >>"$times/one" || exit 1
  run_ms "${twenty[@]}" >>"$times/twenty" || exit 1
done
one=$(median <"$times/one")
many=$(median <"$times/twenty")
awk -v one="$one" -v many="$many" -v runs="$runs" 'BEGIN {
  printf "median of %d runs\n", runs
  printf "1 element:   %7.1f ms per run\n", one
  printf "20 elements: %7.1f ms per run, %.2f ms per element\n", many, many / 20
  printf "each element beyond the first: %.2f ms\n", (many - one) / 19
}'
