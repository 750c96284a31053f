#!/usr/bin/env bash
# Screenshots of the clock's tooltip, calendar and right-click menu on the
# stand-in taskbar. Run under Wine after a win64 build:
#   scripts/with-wine.sh shots/clock-features.sh [directory]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD}
build=$PWD/build/win64
dll=$build/clockhook/HORALUME.DLL
clockctl=$build/taskbar/testing/clockctl.exe
wine "$build/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar=$!
sleep 2
wine "$clockctl" install "$dll" || echo "install failed"
wine "$clockctl" monitor
sleep 2
# The clock sits at the right end of the taskbar along the bottom.
read -r width height < <(xdpyinfo 2>/dev/null | awk '/dimensions/ { split($2, d, "x"); print d[1], d[2] }')
clock_x=$((width - 60))
clock_y=$((height - 20))

wine "$clockctl" tooltip "'Decimal time'|dddd, d MMMM yyyy|HH:mm:ss"
xdotool mousemove "$clock_x" "$clock_y"
sleep 0.2
xdotool mousemove "$((clock_x + 2))" "$clock_y"
sleep 1.5
import -window root "$out/clock-tooltip.png" && echo "Screenshot: $out/clock-tooltip.png"

xdotool click 1
sleep 1.5
import -window root "$out/clock-calendar.png" && echo "Screenshot: $out/clock-calendar.png"
xdotool key Escape

xdotool mousemove "$clock_x" "$clock_y" click 3
sleep 1
import -window root "$out/clock-menu.png" && echo "Screenshot: $out/clock-menu.png"
xdotool key Escape
sleep 0.5

wine "$clockctl" remove "$dll"
kill "$taskbar" 2>/dev/null
wait "$taskbar" 2>/dev/null
