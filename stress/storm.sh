#!/usr/bin/env bash
# Storms against the clock component inside the stand-in taskbar, each
# followed by a check of the shell: alive, the clock answering within 100 ms,
# the element table within its bounds, handles and resident memory within
# 2 % of where they stood after a warm-up. Run under Wine:
#   scripts/with-wine.sh stress/storm.sh                    every storm, full counts
#   scripts/with-wine.sh stress/storm.sh dde=2000 cycles=5  only these, smaller
# Storms (and full counts): copydata=4096 (largest size), dde=100000
# (transactions from four clients), raw=10000 (rounds of raw DDE messages
# without an item name), cycles=200 (Horalume, then /U),
# restarts=20 (of the taskbar, with Decitray running).
set -u
cd "$(dirname "$0")/.."
build=build/win64
cmake --preset win64 >/dev/null &&
  cmake --build --preset win64 --target storm horalume_dll Horalume Decitray taskbar >/dev/null ||
  { echo "build failed"; exit 2; }

# The installed layout, without building everything an install needs.
package=$PWD/build/storm-package
rm -rf "$package"
mkdir -p "$package/Horalume"
cp "$build/decitray/Decitray.exe" "$package/"
cp "$build/horalume/loader/Horalume.exe" "$build/clockhook/HORALUME.DLL" "$package/Horalume/"

storms=("$@")
[ ${#storms[@]} -eq 0 ] && storms=(copydata=4096 dde=100000 raw=10000 cycles=200 restarts=20)
failed=0
for storm in "${storms[@]}"; do
  name=${storm%%=*} count=${storm#*=}
  [ "$count" = "$storm" ] && count=""
  started=$(date +%s)
  wine "$build/stress/storm/storm.exe" "$name" "$(winepath -w "$package")" $count 2>&1 | tr -d "\r"
  status=${PIPESTATUS[0]}
  echo "  ($(($(date +%s) - started)) s)"
  [ "$status" -eq 0 ] || failed=$((failed + 1))
done
echo "$((${#storms[@]} - failed)) storms held, $failed failed"
[ "$failed" -eq 0 ]
