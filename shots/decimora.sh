#!/usr/bin/env bash
# Screenshot of the converter dialog under Wine, for checking its layout by eye.
#   scripts/with-wine.sh shots/decimora.sh [shot.png]
# Starts build/win64/decimora/Decimora.exe, waits for its window, takes the
# screenshot, then ends the program by closing its window (and by its PID if
# it does not end).
set -u
shot=${1:-decimora-shot.png}
wine build/win64/decimora/Decimora.exe &
pid=$!
for _ in $(seq 100); do
  window=$(xdotool search --name '^Decimora$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
sleep 1
import -window root "$shot"
echo "screenshot: $shot"
[ -n "${window:-}" ] && xdotool windowclose "$window" 2>/dev/null
for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
