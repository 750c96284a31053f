#!/usr/bin/env bash
# Screenshot of the stand-in taskbar with the clock component showing
# "HH:mm:ss|%DC%", DC set by a DDE poke. Run under Wine:
#   cmake --build --preset win64 && scripts/with-wine.sh shots/clock.sh [out.png]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD/clock-shot.png}
build=$PWD/build/win64
wine "$build/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar=$!
sleep 2
wine "$build/taskbar/testing/clockctl.exe" install "$build/clockhook/HORALUME.DLL" || echo "install failed"
wine "$build/taskbar/testing/clockctl.exe" format 'HH:mm:ss|%DC%'
wine "$build/taskbar/testing/clockctl.exe" poke DC '4::17::62'
sleep 1.5
wine "$build/taskbar/testing/clockctl.exe" text
import -window root "$out" && echo "Screenshot: $out"
wine "$build/taskbar/testing/clockctl.exe" remove "$build/clockhook/HORALUME.DLL"
kill "$taskbar" 2>/dev/null
wait "$taskbar" 2>/dev/null
