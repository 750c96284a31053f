#!/usr/bin/env bash
# What Decitray's ticks cost under Wine: its CPU time over a stretch of ticks
# (share of one core) and its working set, read from /proc; and whether every
# whole second's clock text reached the receiver. Run from the repository:
#   scripts/with-wine.sh bench/decitray.sh [seconds, default 60] [component|recorder]
# The receiver is the clock component in the stand-in taskbar, or with
# "recorder" a DDE server of the bench's own that records every poke.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
receiver=${2:-component}
cmake --build --preset win64 --target decitray_bench >/dev/null
log=$(mktemp /tmp/decitray-bench.XXXXXX)
wine build/win64/decitray/tests/decitray_bench.exe "$seconds" "$receiver" >"$log" &
driver=$!

# Decitray.exe of this Wine prefix (other runs may have their own).
decitray_pid() {
  local pid
  for pid in $(pgrep -f 'Decitray\.exe'); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}
# utime + stime in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

until grep -q '^measuring' "$log" 2>/dev/null; do
  kill -0 "$driver" 2>/dev/null || { tr -d '\r' <"$log"; exit 1; }
  sleep 0.2
done
pid=$(decitray_pid)
[ -n "$pid" ] || { echo "Decitray.exe not found"; kill "$driver"; exit 1; }
start_ticks=$(cpu_ticks "$pid")
start_ns=$(date +%s%N)
# Sampled until the driver is done: it closes Decitray right after.
until grep -q '^measured' "$log"; do
  end_ticks=$(cpu_ticks "$pid")
  end_ns=$(date +%s%N)
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
  sleep 0.5
done
wait "$driver" || true

hz=$(getconf CLK_TCK)
tr -d '\r' <"$log" | grep -v '^measur'
awk -v t=$((end_ticks - start_ticks)) -v hz="$hz" -v ns=$((end_ns - start_ns)) \
  'BEGIN { printf "Decitray cpu time: %.2f s in %.1f s (%.3f%% of one core)\n", t / hz, ns / 1e9, 100 * t / hz / (ns / 1e9) }'
echo "Decitray working set (resident): $((rss / 1024)) MB, peak $((hwm / 1024)) MB"
rm -f "$log"
