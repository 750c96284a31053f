#!/usr/bin/env bash
# Runs one command inside a Wine environment of its own (Xvfb display, prefix,
# persistent wineserver) and stops it all afterwards. Set WINE_ENV_PREFIX to
# keep and reuse a prefix between runs.
#   scripts/with-wine.sh wine build/win64/decimal/decimal_tests.exe
set -u
cd "$(dirname "$0")/.."
. scripts/wine-env.sh
trap wine_env_stop EXIT
trap 'exit 130' INT TERM
wine_env_start own-display
"$@"
