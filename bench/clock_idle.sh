#!/usr/bin/env bash
# CPU the clock component costs the taskbar while idle: the stand-in
# taskbar's CPU time over 60 s alone, then over 60 s with HORALUME.DLL
# installed (default format, ticking every second), as a share of one core.
# Run under Wine after a win64 build:
#   scripts/with-wine.sh bench/clock_idle.sh [seconds]
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=$PWD/build/win64
dll=$build/clockhook/HORALUME.DLL
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

measure "taskbar alone         "
wine "$build/taskbar/testing/clockctl.exe" install "$dll" || { echo "install failed"; kill "$taskbar"; exit 1; }
sleep 1
measure "taskbar with component"
wine "$build/taskbar/testing/clockctl.exe" remove "$dll"
kill "$taskbar" 2>/dev/null
wait "$taskbar" 2>/dev/null
