#!/usr/bin/env bash
# The soak: Decitray with the clock component in the stand-in taskbar for
# an hour under Wine, in a Wine prefix and on an Xvfb display of its own (so
# it runs beside other Wine work). horaset every 3 s with good and bad
# arguments, the properties sheet changed and cancelled every minute,
# Horalume /U + Horalume every 5 minutes (from minute 3), a taskbar restart
# every 15 (from minute 13, in place of that cycle); every
# minute the handles, GDI/USER objects, windows and resident memory of the
# shell and of Decitray; the clock's decimal text sampled every 200 ms. Ends
# with a verdict: no count more than 2 % above its minute-5 value, both processes
# alive, no second lost while the component was in.
#   stress/soak.sh [minutes, default 60]
# SOAK_CYCLE, SOAK_RESTART and SOAK_FLAT_FROM (minutes) change the schedule
# for a short run; the log is kept in build/soak/soak-<minutes>min.log.
set -u
cd "$(dirname "$0")/.."
minutes=${1:-60}
build=build/win64
cmake --preset win64 >/dev/null &&
  cmake --build --preset win64 --target storm horalume_dll Horalume Decitray taskbar horaset >/dev/null ||
  { echo "build failed"; exit 2; }

# The installed layout, in a folder of the soak's own.
package=$PWD/build/soak/package
rm -rf "$package"
mkdir -p "$package/Horalume"
cp "$build/decitray/Decitray.exe" "$build/stress/storm/storm.exe" "$package/"
cp "$build/horalume/loader/Horalume.exe" "$build/clockhook/HORALUME.DLL" "$build/horaset/horaset.exe" \
  "$package/Horalume/"
log=$PWD/build/soak/soak-${minutes}min.log

. scripts/wine-env.sh
trap wine_env_stop EXIT
trap 'exit 130' INT TERM
unset WINE_ENV_PREFIX
wine_env_start own-display
echo "soak: $minutes minutes, display $DISPLAY, prefix $WINEPREFIX, log $log"
wine "$package/storm.exe" soak "$(winepath -w "$package")" "$minutes" "${SOAK_CYCLE:-5}" \
  "${SOAK_RESTART:-15}" "${SOAK_FLAT_FROM:-5}" 2>&1 | sed -u 's/\r$//' | tee "$log"
exit "${PIPESTATUS[0]}"
