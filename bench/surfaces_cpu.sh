#!/usr/bin/env bash
# CPU the clock component costs the taskbar with one surface and with three,
# in the same run: the stand-in taskbar with one monitor, then with three,
# for each layout (a secondary's clock button on Windows 10, overlay clocks
# on Windows 11), each measured over a stretch of seconds (60 by default)
# alone and then with the component installed and its default format
# ticking every second. The component's share is the difference: the
# stand-in's own clocks and taskbars cost more with more monitors.
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

# Nanoseconds on a CPU, all threads: finer than the clock ticks of /proc/PID/stat.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f", sum }'; }

# Prints the share of one core the taskbar used, in per cent.
measure() {
  local taskbar=$1 before after
  before=$(cpu_ns "$taskbar")
  sleep "$seconds"
  after=$(cpu_ns "$taskbar")
  awk -v a="$after" -v b="$before" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * (a - b) / 1e9 / s }'
}

run() {
  local layout=$1 monitors=$2 taskbar alone share
  wine "$build/taskbar/taskbar.exe" --layout "$layout" --monitors "$monitors" >/dev/null 2>&1 &
  taskbar=$!
  sleep 3
  alone=$(measure "$taskbar")
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
  awk -v a="$alone" -v s="$share" 'BEGIN { printf "%.3f", s - a }'
}

for layout in $layouts; do
  one=$(run "$layout" 1) || exit 1
  three=$(run "$layout" 3) || exit 1
  awk -v l="$layout" -v a="$one" -v b="$three" \
    'BEGIN { printf "%-6s component with one surface %.3f%%, with three %.3f%% of one core: %.2f times\n", l, a, b, (a > 0 ? b / a : 0) }'
done
