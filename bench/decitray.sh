#!/usr/bin/env bash
# What Decitray's ticks cost under Wine: CPU time over a stretch of ticks (share
# of one core), its working set, and whether every whole second's clock text
# reached the receiver. Run from the repository:
#   scripts/with-wine.sh bench/decitray.sh [seconds, default 60] [component|recorder]
# The receiver is the clock component in the stand-in taskbar, or with
# "recorder" a DDE server of the bench's own that records every poke.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
receiver=${2:-component}
cmake --build --preset win64 --target decitray_bench >/dev/null
wine build/win64/decitray/tests/decitray_bench.exe "$seconds" "$receiver" | tr -d '\r'
