#!/usr/bin/env bash
# How often the clock component wakes the shell, and what it costs: for each
# clock format, the timer messages the stand-in taskbar's clock thread takes
# per minute (all of them, and the clock's tick timer's) and the taskbar's
# CPU time as a share of one core, over a stretch of seconds (60 by default).
# With a second HORALUME.DLL (an older build), each format is measured with
# it too, in the same run, for a before-and-after comparison.
# Run under Wine:
#   scripts/with-wine.sh bench/wakeups.sh [seconds] [baseline-dll]
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
baseline=${2:-}
build=$PWD/build/win64
cmake --preset win64 >/dev/null &&
  cmake --build --preset win64 --target wakecount clockctl horalume_dll taskbar >/dev/null ||
  { echo "build failed"; exit 2; }
dll=$build/clockhook/HORALUME.DLL
clockctl=$build/taskbar/testing/clockctl.exe
wakecount=$build/bench/wakeups/wakecount.exe
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Counts wakes and CPU over the same stretch.
measure() {
  local before after wakes
  before=$(cpu_ticks "$taskbar")
  wakes=$(wine "$wakecount" "$seconds" | tr -d '\r')
  after=$(cpu_ticks "$taskbar")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" -v what="$1" -v wakes="$wakes" \
    'BEGIN { printf "%-28s %-36s CPU %.3f%% of one core\n", what, wakes, 100 * d / t / s }'
}

start_taskbar() {
  wine "$build/taskbar/taskbar.exe" >/dev/null 2>&1 &
  taskbar=$!
  sleep 5
  grep -q taskbar.exe "/proc/$taskbar/cmdline" || { echo "cannot find the taskbar process"; exit 1; }
}
stop() { kill "$taskbar" 2>/dev/null; wait "$taskbar" 2>/dev/null; }

start_taskbar
measure "taskbar alone"
stop
# Every format with one component build, in a taskbar of its own (a removed
# library may stay mapped); the label says which.
measure_formats() {
  local dll=$1 label=$2 run command format
  start_taskbar
  wine "$clockctl" install "$dll" || { echo "install failed"; stop; exit 1; }
  wine "$clockctl" poke X "hello"
  # The default format (with seconds), then the others: clockctl format or monitor.
  for run in "format:ddd, d MMM yyyy  HH:mm:ss" "format:HH:mm" "format:ddd d MMM" "format:%X%" \
    "monitor:HH:mm"; do
    command=${run%%:*} format=${run#*:}
    wine "$clockctl" "$command" "$format" || { echo "could not push $format"; stop; exit 1; }
    sleep 1
    [ "$command" = monitor ] && format="$format + monitor lines"
    measure "$label \"$format\""
  done
  wine "$clockctl" remove "$dll"
  stop
}
if [ -n "$baseline" ]; then
  measure_formats "$baseline" "before"
fi
measure_formats "$dll" "now"
