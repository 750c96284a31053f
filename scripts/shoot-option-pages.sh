#!/usr/bin/env bash
# Screenshots of the Calendar, Menu and Advanced pages (and of their drop-down
# lists open), with Horalume running against the stand-in taskbar. Needs a
# win64 build; run it inside a Wine environment:
#   scripts/with-wine.sh scripts/shoot-option-pages.sh [directory]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD/build/screenshots}
mkdir -p "$out"
package=$PWD/build/package-win64
rm -rf "$package"
cmake --install build/win64 --prefix "$package" >/dev/null || { echo "install the win64 build first"; exit 1; }

(cd "$package" && wine taskbar.exe >/dev/null 2>&1 &)
sleep 1
key='HKCU\Software\Horalume'
wine reg add "$key\\Settings" /v Page /t REG_DWORD /d 2004 /f >/dev/null 2>&1 # opens on "Calendar"
wine reg add "$key\\Calendar" /v FirstDay /t REG_DWORD /d 1 /f >/dev/null 2>&1
(cd "$package/Horalume" && wine Horalume.exe >/dev/null 2>&1 &)

sheet=""
for _ in $(seq 100); do
  sheet=$(xdotool search --name '^Horalume Properties$' 2>/dev/null | head -1)
  [ -n "$sheet" ] && break
  sleep 0.2
done
[ -n "$sheet" ] || { echo "the properties sheet did not open"; import -window root "$out/no-sheet.png"; exit 1; }
sleep 1
xdotool mousemove 0 0 windowfocus "$sheet" # keep the pointer off the lists
eval "$(xdotool getwindowgeometry --shell "$sheet")" # X, Y, WIDTH, HEIGHT
# The sheet with room below it for an open list.
shoot() { import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 80))+$((X - 20))+$((Y - 40))" "$out/$1.png"; }

shoot calendar-page
xdotool key alt+b alt+Down # "Week &begins on", open its list
sleep 0.5
shoot calendar-first-day-list
xdotool key Escape
sleep 0.3

xdotool key ctrl+Tab
sleep 1
shoot menu-page
xdotool key alt+s alt+Down # "&Single button click"
sleep 0.5
shoot menu-click-list
xdotool key Escape
sleep 0.3
xdotool key alt+b # Booth mode on: the banner box greys
sleep 0.5
shoot menu-page-booth

xdotool key ctrl+Tab
sleep 1
shoot advanced-page
xdotool key alt+m # the memory line on: its colour stays grey on NT
sleep 0.5
shoot advanced-page-memory-line
xdotool key Escape # Cancel: nothing is saved
sleep 1
echo "Screenshots in $out"
