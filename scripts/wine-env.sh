# Sourced by the test, demo and benchmark scripts: a display, a Wine prefix
# and a persistent wineserver of this run's own, all ended by PID.
#   wine_env_start [own-display|user-display]   wine_env_stop

WINE_ENV_PIDS=()

wine_env_start() {
  local want=${1:-own-display}
  export WINEDEBUG=-all LANG=C.UTF-8 TZ=${TZ:-UTC}
  if [ "$want" = user-display ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "wine-env: using your display $DISPLAY"
  else
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_PIDS+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  export WINEPREFIX=${WINE_ENV_PREFIX:-$(mktemp -d /tmp/hora-wine.XXXXXX)}
  WINE_ENV_OWN_PREFIX=${WINE_ENV_PREFIX:-$WINEPREFIX}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 120 wineboot -i >/dev/null 2>&1 || true
  fi
  wineserver -f -p >/dev/null 2>&1 &
  WINE_ENV_PIDS+=($!)
  # Without a window manager Wine waits ~2 s whenever a window hides.
  timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
}

wine_env_stop() {
  [ -n "${WINEPREFIX:-}" ] && timeout 20 wineserver -k >/dev/null 2>&1
  local pid
  for pid in "${WINE_ENV_PIDS[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${WINE_ENV_PIDS[@]}"; do
    wait "$pid" 2>/dev/null
  done
  WINE_ENV_PIDS=()
  if [ -z "${WINE_ENV_PREFIX:-}" ] && [ -n "${WINE_ENV_OWN_PREFIX:-}" ] && [ -d "$WINE_ENV_OWN_PREFIX" ]; then
    rm -rf "$WINE_ENV_OWN_PREFIX"
  fi
  return 0
}
