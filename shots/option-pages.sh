#!/usr/bin/env bash
# Screenshots of the Calendar, Menu, Advanced and About pages (and of the
# drop-down lists open), with Horalume running against the stand-in taskbar.
# Needs a win64 build; run it inside a Wine environment:
#   scripts/with-wine.sh shots/option-pages.sh [directory]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD/build/screenshots}
mkdir -p "$out"
. shots/open-sheet.sh
install_package
key='HKCU\Software\Horalume'
wine reg add "$key\\Settings" /v Page /t REG_DWORD /d 2004 /f >/dev/null 2>&1 # opens on "Calendar"
wine reg add "$key\\Calendar" /v FirstDay /t REG_DWORD /d 1 /f >/dev/null 2>&1
open_sheet
xdotool mousemove 0 0 windowfocus "$sheet" # keep the pointer off the lists
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

xdotool key ctrl+Tab
sleep 1
shoot about-page
xdotool key Escape # Cancel: nothing is saved
sleep 1
echo "Screenshots in $out"
