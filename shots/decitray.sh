#!/usr/bin/env bash
# Screenshots of Decitray at work: the stand-in taskbar's clock showing
# "%DC%|%DD%" fed by Decitray, then with Decitray's tray menu open, then with
# its About dialog. Run under Wine:
#   cmake --build --preset win64 && scripts/with-wine.sh shots/decitray.sh [out-prefix]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD/decitray-shot}
build=$PWD/build/win64
ctl="$build/taskbar/testing/clockctl.exe"
dir=$(mktemp -d /tmp/decitray-shot.XXXXXX)
mkdir -p "$dir/Horalume"
cp "$build/taskbar/testing/fake_horalume.exe" "$dir/Horalume/Horalume.exe"

wine "$build/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar=$!
sleep 2
wine "$ctl" install "$build/clockhook/HORALUME.DLL" || echo "install failed"
wine "$ctl" format '%DC%|%DD%'
(cd "$dir" && exec wine "$build/decitray/Decitray.exe") >/dev/null 2>&1 &
decitray=$!
sleep 3
wine "$ctl" text
import -window root "$out-clock.png" && echo "Screenshot: $out-clock.png"
wine "$build/decitray/tests/decitray_ctl.exe" menu
sleep 1
import -window root "$out-menu.png" && echo "Screenshot: $out-menu.png"
xdotool key Escape
sleep 0.5
wine "$build/decitray/tests/decitray_ctl.exe" about
sleep 1
import -window root "$out-about.png" && echo "Screenshot: $out-about.png"
xdotool key Escape
sleep 0.5
wine "$build/decitray/tests/decitray_ctl.exe" close
wait "$decitray" 2>/dev/null
wine "$ctl" remove "$build/clockhook/HORALUME.DLL"
kill "$taskbar" 2>/dev/null
wait "$taskbar" 2>/dev/null
rm -rf "$dir"
