#!/usr/bin/env bash
# CPU the clock component costs the taskbar, as a share of one core: the
# stand-in taskbar's CPU time over a stretch of seconds (60 by default)
# alone, then with HORALUME.DLL installed (default format, ticking every
# second), then with both monitor lines on (CPU usage and memory load
# sampled once a second, the clock redrawn when a line changes).
# Run under Wine after a win64 build:
#   scripts/with-wine.sh bench/clock_cpu.sh [seconds]
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=$PWD/build/win64
dll=$build/clockhook/HORALUME.DLL
clockctl=$build/taskbar/testing/clockctl.exe
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure() {
  local before after
  before=$(cpu_ticks "$taskbar")
  sleep "$seconds"
  after=$(cpu_ticks "$taskbar")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" -v what="$1" \
    'BEGIN { printf "%s: %.2f s CPU in %d s = %.3f%% of one core\n", what, d / t, s, 100 * d / t / s }'
}

wine "$build/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar=$!
sleep 3
grep -q taskbar.exe "/proc/$taskbar/cmdline" || { echo "cannot find the taskbar process"; exit 1; }

measure "taskbar alone                "
wine "$clockctl" install "$dll" || { echo "install failed"; kill "$taskbar"; exit 1; }
sleep 1
measure "component, default settings  "
wine "$clockctl" monitor
sleep 1
measure "component, both monitor lines"
wine "$clockctl" remove "$dll"
kill "$taskbar" 2>/dev/null
wait "$taskbar" 2>/dev/null
