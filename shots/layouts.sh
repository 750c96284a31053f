#!/usr/bin/env bash
# Screenshots of the clock on each modelled taskbar layout (two monitors
# side by side on the 1280-pixel screen) and in each taskbar state: the
# taskbar strips are cut out into docs/screenshots/. The clock shows
# "HH:mm:ss|%DC%" with DC poked as Decitray would. Run under Wine after a
# win64 build:
#   scripts/with-wine.sh shots/layouts.sh [directory]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD/docs/screenshots}
build=$PWD/build/win64
clockctl=$build/taskbar/testing/clockctl.exe
dll=$build/clockhook/HORALUME.DLL
mkdir -p "$out"

# name, crop geometry (width x height + x + y), then the stand-in's switches.
shot() {
  local name=$1 crop=$2 taskbar
  shift 2
  wine "$build/taskbar/taskbar.exe" "$@" >/dev/null 2>&1 &
  taskbar=$!
  sleep 3
  wine "$clockctl" install "$dll" || echo "$name: install failed"
  wine "$clockctl" format 'HH:mm:ss|%DC%'
  wine "$clockctl" poke DC '4::17::62'
  sleep 1.5
  import -window root -crop "$crop" +repage "$out/$name.png" && echo "$out/$name.png"
  wine "$clockctl" remove "$dll"
  kill "$taskbar" 2>/dev/null
  wait "$taskbar" 2>/dev/null
}

bottom=1280x60+0+740
for layout in classic win10 win11-early win11; do
  shot "layout-$layout" "$bottom" --layout "$layout" --monitors 2
done
shot theme-dark "$bottom" --layout win11 --monitors 2 --theme dark
shot theme-light "$bottom" --layout win11 --monitors 2 --theme light
shot edge-left 200x300+0+500 --layout win10 --edge left
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
shot dpi-192 1280x100+0+700 --layout win11 --dpi 192
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
