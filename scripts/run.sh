#!/usr/bin/env bash
# The package's main job under Wine: the stand-in taskbar, Horalume installing
# the clock component, Decitray pushing decimal time into the clock.
# Uses your X display when there is one, otherwise an Xvfb of its own.
set -u
cd "$(dirname "$0")/.."
root=$PWD
shot=${1:-$root/decimal-clock.png}

scripts/setup.sh
cmake --preset win64 >/dev/null && cmake --build --preset win64 >/dev/null || { echo "build failed"; exit 1; }
package=$root/build/package-win64
rm -rf "$package"
cmake --install build/win64 --prefix "$package" >/dev/null || { echo "install failed"; exit 1; }

. scripts/wine-env.sh
trap 'wine_env_stop; exit 0' INT TERM
trap wine_env_stop EXIT
wine_env_start user-display

(cd "$package" && wine taskbar.exe >/dev/null 2>&1 &)
sleep 1
# A user's saved settings: a clock that shows the decimal clock and date, and
# "ShowProperties" 0 so that installing the component opens no properties
# sheet over the demo (start Horalume\Horalume.exe again to see the sheet).
wine reg add 'HKCU\Software\Horalume\Settings' /v ClockFormatString /t REG_SZ /d 'HH:mm:ss|%DC%  %DD%' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Horalume\Settings' /v ShowProperties /t REG_DWORD /d 0 /f >/dev/null 2>&1
# Decitray starts Horalume\Horalume.exe itself, which installs the clock component.
(cd "$package" && wine Decitray.exe >/dev/null 2>&1 &)

sleep 4
import -window root "$shot" 2>/dev/null && echo "Screenshot: $shot"
echo "Running on display $DISPLAY. Press Ctrl+C to stop everything."
while true; do sleep 3600; done
