#!/usr/bin/env bash
# CPU the clock component costs the taskbar with one surface and with three,
# in the same run: the stand-in taskbar with one monitor, then with three,
# for each layout (a secondary's clock button on Windows 10, overlay clocks
# on Windows 11), each measured over a stretch of seconds (60 by default)
# with the component installed and its default format ticking every second.
# Run under Wine after a win64 build:
#   scripts/with-wine.sh bench/surfaces_cpu.sh [seconds] [layout...]
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))
layouts=${*:-win10 win11}
build=$PWD/build/win64
dll=$build/clockhook/HORALUME.DLL
clockctl=$build/taskbar/testing/clockctl.exe
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Prints the share of one core the taskbar used, in per cent.
measure() {
  local taskbar=$1 before after
  before=$(cpu_ticks "$taskbar")
  sleep "$seconds"
  after=$(cpu_ticks "$taskbar")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * d / t / s }'
}

run() {
  local layout=$1 monitors=$2 taskbar share
  wine "$build/taskbar/taskbar.exe" --layout "$layout" --monitors "$monitors" >/dev/null 2>&1 &
  taskbar=$!
  sleep 3
  if ! wine "$clockctl" install "$dll"; then
    echo "$layout: install failed" >&2
    kill "$taskbar"
    return 1
  fi
  sleep 2
  share=$(measure "$taskbar")
  wine "$clockctl" remove "$dll"
  kill "$taskbar" 2>/dev/null
  wait "$taskbar" 2>/dev/null
  echo "$share"
}

for layout in $layouts; do
  one=$(run "$layout" 1) || exit 1
  three=$(run "$layout" 3) || exit 1
  awk -v l="$layout" -v a="$one" -v b="$three" \
    'BEGIN { printf "%-6s one surface %.3f%%, three surfaces %.3f%% of one core: %.2f times\n", l, a, b, (a > 0 ? b / a : 0) }'
done
