#!/usr/bin/env bash
# Screenshots of the Clock and Tooltip / Copy pages, of the format-element
# picker open over the Clock page and of the text colour chooser, with
# Horalume running against the stand-in taskbar. Needs a win64 build; run it inside a Wine environment:
#   scripts/with-wine.sh shots/pages.sh [directory]
set -u
cd "$(dirname "$0")/.."
out=${1:-$PWD/build/screenshots}
mkdir -p "$out"
. shots/open-sheet.sh
install_package
wine reg add 'HKCU\Software\Horalume\Settings' /v ClockFormatString /t REG_SZ /d 'ddd d MMM|>HH:mm:ss' /f >/dev/null 2>&1
open_sheet
xdotool windowfocus "$sheet"
import -window root "$out/clock-page.png"

# The picker opens at the mouse cursor: put it over the page, press the button.
xdotool mousemove $((X + WIDTH / 3)) $((Y + HEIGHT / 3))
xdotool key alt+m
sleep 1
xdotool key Down Down Down Right # into "Date Elements"
sleep 0.5
import -window root "$out/format-menu.png"
xdotool key Escape Escape
sleep 0.5
xdotool key alt+m
sleep 0.5
xdotool key Down Down Down Down Down Right # into "Resource Elements"
sleep 0.5
import -window root "$out/format-menu-resources.png"
xdotool key Escape Escape
sleep 0.5

# Picking: a line break and then a sample format at the end of the format.
xdotool key End alt+m
sleep 0.5
xdotool key Down Down Down Down Down Down Down Return # "Line Break"
sleep 0.5
xdotool key alt+m
sleep 0.5
xdotool key Down Right Return # the first sample format
sleep 1
import -window root "$out/clock-page-picked.png"

xdotool key alt+c # "Text &Colour..."
sleep 1
import -window root "$out/text-colour-dialog.png"
xdotool key Escape
sleep 0.5

xdotool key ctrl+Tab
sleep 1
import -window root "$out/tooltip-copy-page.png"
xdotool key Escape # Cancel: nothing is saved
sleep 1
echo "Screenshots in $out"
