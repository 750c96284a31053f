# Sourced by the screenshot scripts of Horalume's pages: lays out the win64
# package, starts the stand-in taskbar and Horalume, and waits for the sheet.
# Expects to run inside a Wine environment (scripts/with-wine.sh).

# Installs the win64 build into build/package-win64 and sets $package.
install_package() {
  package=$PWD/build/package-win64
  rm -rf "$package"
  cmake --install build/win64 --prefix "$package" >/dev/null || { echo "install the win64 build first"; exit 1; }
}

# Starts the taskbar and Horalume (write the registry before), waits for the
# sheet and sets $sheet and its geometry $X, $Y, $WIDTH, $HEIGHT. On failure
# leaves a screenshot no-sheet.png in $out.
open_sheet() {
  (cd "$package" && wine taskbar.exe >/dev/null 2>&1 &)
  sleep 1
  (cd "$package/Horalume" && wine Horalume.exe >/dev/null 2>&1 &)
  sheet=""
  for _ in $(seq 100); do
    sheet=$(xdotool search --name '^Horalume Properties$' 2>/dev/null | head -1)
    [ -n "$sheet" ] && break
    sleep 0.2
  done
  [ -n "$sheet" ] || { echo "the properties sheet did not open"; import -window root "$out/no-sheet.png"; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$sheet")"
}
