#!/usr/bin/env bash
# What the Windows 11 clock locator costs the shell, and how often the
# component paints, on the stand-in's `win11` layout, in one run:
# 1. the taskbar's CPU share at idle ("HH:mm") with the locator running and
#    with it switched off (HORALUME_NO_LOCATOR), in alternate rounds, medians;
# 2. the overlay's paints per second with Decitray pushing "DC" and "DD"
#    every 400 ms and the format "%DC%" (its text changes 1.15 times a second);
# 3. paints per poke when every poke sets "X" to the value it already has.
# Run under Wine after a win64 build:
#   scripts/with-wine.sh bench/locator.sh [seconds per round, default 30] [rounds, default 3]
set -u
cd "$(dirname "$0")/.."
seconds=${1:-30}
rounds=${2:-3}
build=$PWD/build/win64
cmake --build --preset win64 --target wakecount clockctl horalume_dll taskbar Decitray fake_horalume >/dev/null ||
  { echo "build failed"; exit 2; }
dll=$build/clockhook/HORALUME.DLL
clockctl=$build/taskbar/testing/clockctl.exe
wakecount=$build/bench/wakeups/wakecount.exe

# Nanoseconds on a CPU, all threads of the process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f", sum }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

start_taskbar() { # [environment assignment]
  env "$@" wine "$build/taskbar/taskbar.exe" --layout win11 >/dev/null 2>&1 &
  taskbar=$!
  sleep 3
  wine "$clockctl" install "$dll" && wine "$clockctl" format "$format" ||
    { echo "install failed"; stop_taskbar; exit 1; }
  sleep 2
}
stop_taskbar() {
  wine "$clockctl" remove "$dll" >/dev/null 2>&1
  kill "$taskbar" 2>/dev/null
  wait "$taskbar" 2>/dev/null || true # killed on purpose
}
# The taskbar's share of one core over the round, in per cent.
cpu_share() {
  local before after
  before=$(cpu_ns "$taskbar")
  sleep "$seconds"
  after=$(cpu_ns "$taskbar")
  awk -v a="$after" -v b="$before" -v s="$seconds" 'BEGIN { printf "%.4f\n", 100 * (a - b) / 1e9 / s }'
}
paints_per_second() { sed -n 's/.*paints \([0-9.]*\)\/min.*/\1/p' | awk '{ printf "%.2f", $1 / 60 }'; }

format="HH:mm"
on=() off=()
for ((round = 1; round <= rounds; round++)); do
  start_taskbar
  on+=("$(cpu_share)")
  stop_taskbar
  start_taskbar HORALUME_NO_LOCATOR=1
  off+=("$(cpu_share)")
  stop_taskbar
done
on_median=$(printf '%s\n' "${on[@]}" | median)
off_median=$(printf '%s\n' "${off[@]}" | median)
echo "idle CPU, locator on:  ${on[*]} % (median $on_median %)"
echo "idle CPU, locator off: ${off[*]} % (median $off_median %)"
awk -v a="$on_median" -v b="$off_median" 'BEGIN { printf "the locator costs %.4f %% of one core (target at most 0.02)\n", a - b }'

format="%DC%"
start_taskbar
# Decitray starts Horalume beside it; the test kit's fake one stands in.
folder=$(mktemp -d /tmp/locator-bench.XXXXXX)
mkdir "$folder/Horalume"
cp "$build/decitray/Decitray.exe" "$folder/"
cp "$build/taskbar/testing/fake_horalume.exe" "$folder/Horalume/Horalume.exe"
(cd "$folder" && exec wine ./Decitray.exe) >/dev/null 2>&1 &
decitray=$!
sleep 3
rate=$(wine "$wakecount" "$seconds" | tr -d '\r' | paints_per_second)
echo "with Decitray and \"%DC%\": $rate paints/s (the text changes 1.15 times a second)"
kill "$decitray" 2>/dev/null
wine taskkill /f /im Decitray.exe >/dev/null 2>&1
wait "$decitray" 2>/dev/null
rm -rf "$folder"
stop_taskbar

format="%X%"
start_taskbar
wine "$clockctl" poke X "same" >/dev/null
sleep 1
log=$(mktemp /tmp/locator-pokes.XXXXXX)
window=10
wine "$wakecount" "$window" | tr -d '\r' >"$log" &
counter=$!
sleep 1
pokes=0
end=$(($(date +%s) + window - 2))
while [ "$(date +%s)" -lt "$end" ]; do
  wine "$clockctl" poke X "same" >/dev/null && pokes=$((pokes + 1))
done
wait "$counter"
paints=$(paints_per_second <"$log" | awk -v w="$window" '{ printf "%.0f", $1 * w }')
echo "$pokes pokes of an unchanged value: $paints paints"
rm -f "$log"
stop_taskbar
