#!/usr/bin/env bash
# The release packages as a user meets them, under Wine: builds them signed with
# a throwaway certificate, then drives the 64-bit installer (silent install,
# the installed Decitray showing decimal time in the stand-in taskbar, an
# upgrade while it runs, uninstalls compared with the state before, then a
# folder outside the ANSI code page and a user new to Horalume). The 32-bit
# packages cannot run here and are checked as files. Ends with
# "N passed, N failed". Needs the win64 build and a Wine environment:
#   flock /tmp/hora-wine.lock scripts/with-wine.sh scripts/test-installer.sh
set -u
cd "$(dirname "$0")/.."
root=$PWD
# Shortcuts made under Wine would otherwise also land in the host's menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"

passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: installer: $what"
  fi
}

tmp=$(mktemp -d /tmp/hora-installer.XXXXXX)
taskbar_pid=""
finish() {
  [ -n "$taskbar_pid" ] && kill "$taskbar_pid" 2>/dev/null && wait "$taskbar_pid" 2>/dev/null
  rm -rf "$tmp"
  echo "$passed passed, $failed failed"
}
trap finish EXIT

# The throwaway certificate and the packages.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Decimal time test signing" \
  -addext extendedKeyUsage=codeSigning -keyout "$tmp/key.pem" -out "$tmp/cert.pem" >/dev/null 2>&1
openssl pkcs12 -export -inkey "$tmp/key.pem" -in "$tmp/cert.pem" -passout pass:throwaway -out "$tmp/test.pfx"
if ! SIGN_PASSWORD=throwaway scripts/package.sh --sign "$tmp/test.pfx" --out "$tmp/out" >"$tmp/package.log" 2>&1; then
  tail -20 "$tmp/package.log"
  check "scripts/package.sh --sign" false
  exit 1
fi
version=$(sed -n 's/^project(DecimalTimePackage VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
out=$tmp/out
setup64=$out/decimal-time-$version-win64-setup.exe
for arch in win64 win32; do
  mkdir -p "$tmp/zip-$arch"
  unzip -q "$out/decimal-time-$version-$arch.zip" -d "$tmp/zip-$arch"
done

# Signatures verify, and a changed byte is caught.
verifies() { osslsigncode verify -CAfile "$tmp/cert.pem" -in "$1" >/dev/null 2>&1; }
all_verify() {
  local file
  for file in "$out"/*-setup.exe $(find "$tmp"/zip-* -type f \( -iname '*.exe' -o -iname '*.dll' \)); do
    verifies "$file" || { echo "not verified: $file"; return 1; }
  done
}
tampered_fails() {
  cp "$tmp/zip-win64/Decitray.exe" "$tmp/tampered.exe"
  printf 'X' | dd of="$tmp/tampered.exe" bs=1 seek=4096 conv=notrunc 2>/dev/null
  ! verifies "$tmp/tampered.exe"
}
check "signatures of the installers and every program verify" all_verify
check "a changed program fails verification" tampered_fails

# The 32-bit packages: 32-bit programs, the same tree as the 64-bit ones.
tree() { (cd "$1" && find . -type f | sort); }
is_pe32() { i686-w64-mingw32-objdump -f "$1" | grep -q 'file format pei-i386'; }
all_pe32() {
  local file
  for file in "$out/decimal-time-$version-win32-setup.exe" $(find "$tmp/zip-win32" -type f \( -iname '*.exe' -o -iname '*.dll' \)); do
    is_pe32 "$file" || { echo "not 32-bit: $file"; return 1; }
  done
}
check "the 32-bit installer and programs are 32-bit" all_pe32
check "both zips hold the same tree" diff <(tree "$tmp/zip-win64") <(tree "$tmp/zip-win32")
layout="./Decimora.exe ./Decitray.exe ./StartDecitray.exe ./Horalume/Horalume.exe ./Horalume/HORALUME.DLL
./Horalume/HORALUME.CHM ./Horalume/horaset.exe"
check "the zip holds the layout docs/installing.md names" diff <(printf '%s\n' $layout | sort) <(tree "$tmp/zip-win64")

# --- Under Wine ---------------------------------------------------------------
drive_c=$WINEPREFIX/drive_c
inst_win='C:\hora-test\Decimal time'
inst=$drive_c/hora-test/Decimal\ time
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\DecimalTime'
clockctl=$root/build/win64/taskbar/testing/clockctl.exe
decimal='[0-9]+::[0-9]+::[0-9]+'

wait_for() {
  local tries=$(($1 * 2))
  shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.5
  done
}
clock_shows() { wine "$clockctl" text 2>/dev/null | grep -Eq "$1"; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^    $2    REG_[A-Z_]*    //p"; }
# A string value with every character ("reg query" prints in the console's
# code page): read from an export of its key, which has no subkeys.
reg_string() {
  wine reg export "$1" "$tmp/value.reg" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$tmp/value.reg" | tr -d '\r' | NAME=$2 python3 -c '
import os, re, sys
start = "\"%s\"=\"" % os.environ["NAME"]
for line in sys.stdin:
    line = line.rstrip("\n")
    if line.startswith(start) and line.endswith("\""):
        print(re.sub(r"\\(.)", r"\1", line[len(start):-1]))
        break'
}
# This prefix's processes running the named program.
pids_of() {
  local pid
  for pid in $(pgrep -f "$1"); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}

# The drive's file tree (without the temporary folders) and HKCU, with the
# sections under a key left out.
tree_now() { (cd "$drive_c" && find . -path '*/Temp' -prune -o -path ./windows/temp -prune -o -print | sort); }
# Leaves out Wine's own key and the key $1 (under HKCU), each with its subkeys.
without_key() {
  WINE_KEY="[HKEY_CURRENT_USER\\Software\\Wine" SKIP="[HKEY_CURRENT_USER\\${1:-Software\\Wine}" awk '
    /^\[/ { out = index($0, ENVIRON["WINE_KEY"]) != 1 && index($0, ENVIRON["SKIP"]) != 1 }
    out && $0 != ""'
}
hkcu_now() {
  wine reg export HKCU "$tmp/hkcu.reg" /y >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$tmp/hkcu.reg" | tr -d '\r' | without_key "$1"
}
snapshot() { tree_now >"$tmp/$1.tree" && hkcu_now '' >"$tmp/$1.reg"; }
same_tree() { diff "$tmp/$1.tree" <(tree_now); }
same_hkcu() { diff <(without_key "$2" <"$tmp/$1.reg") <(hkcu_now "$2"); }

same_files() {
  local file
  for file in $(tree "$1"); do
    cmp -s "$1/$file" "$2/$file" || { echo "differs: $file"; return 1; }
  done
}

# Each shortcut's target and working directory, read from the link file.
shortcut_fields() {
  python3 - "$1" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read()
flags = struct.unpack_from('<I', d, 0x14)[0]
pos = 0x4C
if flags & 0x1:
    pos += 2 + struct.unpack_from('<H', d, pos)[0]
target = ''
if flags & 0x2:
    info = pos
    base = struct.unpack_from('<I', d, info + 16)[0]
    target = d[info + base:d.index(b'\0', info + base)].decode('cp1252')
    pos += struct.unpack_from('<I', d, info)[0]
unicode = flags & 0x80
workdir = ''
for bit in (0x4, 0x8, 0x10):
    if flags & bit:
        n = struct.unpack_from('<H', d, pos)[0] * (2 if unicode else 1)
        text = d[pos + 2:pos + 2 + n].decode('utf-16-le' if unicode else 'cp1252').rstrip('\0')
        pos += 2 + n
        if bit == 0x10:
            workdir = text
print(target + '|' + workdir)
PY
}
shortcuts_ok() {
  local menu expected
  menu=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs/Decimal\ time
  expected="$inst_win\\Decimora.exe|$inst_win
$inst_win\\Decitray.exe|$inst_win
$inst_win\\Horalume\\Horalume.exe|$inst_win\\Horalume"
  diff <(echo "$expected") <(for link in "$menu"/*.lnk; do shortcut_fields "$link"; done)
}

install_registry_ok() {
  local pair name expected actual ok=0
  actual=$(reg_value "$run_key" Decitray)
  [ "$actual" = "\"$inst_win\\StartDecitray.exe\"" ] || { echo "Run Decitray: '$actual'"; ok=1; }
  for pair in "DisplayName=Decimal time" "DisplayVersion=$version" "InstallLocation=$inst_win" \
    "DisplayIcon=$inst_win\\Decitray.exe,0" "UninstallString=\"$inst_win\\Uninstall.exe\"" \
    "QuietUninstallString=\"$inst_win\\Uninstall.exe\" /S"; do
    name=${pair%%=*} expected=${pair#*=}
    actual=$(reg_value "$uninstall_key" "$name")
    [ "$actual" = "$expected" ] || { echo "Uninstall $name: '$actual', not '$expected'"; ok=1; }
  done
  [[ $(reg_value "$uninstall_key" EstimatedSize) =~ ^0x[1-9a-f] ]] || { echo "no EstimatedSize"; ok=1; }
  return $ok
}

# Runs the start-up value as the system does at sign-in, from the system folder.
start_as_at_sign_in() {
  local command
  command=$(reg_string "$run_key" Decitray)
  (cd "$drive_c/windows/system32" && wine "${command//\"/}" >/dev/null 2>&1)
  wait_for 30 clock_shows "$decimal"
}
same_settings() {
  wine reg export 'HKCU\Software\Horalume' "$tmp/settings-after.reg" /y >/dev/null 2>&1
  cmp -s "$tmp/settings-before.reg" "$tmp/settings-after.reg"
}
restarted() {
  local new
  new=$(pids_of 'Decitray\.exe')
  [ -n "$new" ] && [ "$new" != "$1" ] && wait_for 30 clock_shows "$decimal"
}
# Wine keeps a removed component mapped in the taskbar until it ends, so the
# uninstaller leaves it to be deleted at restart: end the taskbar, restart.
restart_windows() {
  kill "$taskbar_pid" && wait "$taskbar_pid" 2>/dev/null
  taskbar_pid=""
  wineboot -r >/dev/null 2>&1
}
# The installer takes /D= last and unquoted, as cmd passes it on; cmd may
# return before the installer, a GUI program, has finished.
install_into() {
  local folder=$1
  shift
  wine cmd /c "$(winepath -w "$setup64") /S $* /D=$folder" >/dev/null 2>&1
  wait_for 60 eval '[ -z "$(pids_of "win64-setup\.exe")" ]'
}
uninstall() {
  wine "$inst_win\\Uninstall.exe" "$@" >/dev/null 2>&1
  # The uninstaller runs on from a copy of itself in the temporary folder.
  wait_for 30 eval '[ ! -e "$inst/Uninstall.exe" ] && [ -z "$(pids_of "Un_A\.exe")" ]'
}
stopped() { [ -z "$(pids_of 'Decitray\.exe')" ] && ! clock_shows "$decimal"; }
user_format='%DC%|%DD%'
clock_format_kept() { [ "$(reg_value 'HKCU\Software\Horalume\Settings' ClockFormatString)" = "$user_format" ]; }

mkdir -p "$drive_c/hora-test" # the folder the user picks a new folder in
wine reg delete 'HKCU\Software\Horalume' /f >/dev/null 2>&1 # a user new to the programs
snapshot before
wine "$root/build/win64/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar_pid=$!
wait_for 20 clock_shows '.'
# A user's saved settings: the decimal clock and date, no sheet on install.
wine reg add 'HKCU\Software\Horalume\Settings' /v ClockFormatString /t REG_SZ /d "$user_format" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Horalume\Settings' /v ShowProperties /t REG_DWORD /d 0 /f >/dev/null 2>&1

check "silent install" install_into "$inst_win"
check "the install kept the user's clock format" clock_format_kept
check "the installed tree is the zip's, with the uninstaller" diff <( (tree "$tmp/zip-win64"; echo ./Uninstall.exe) | sort) <(tree "$inst")
check "the installed files are the zip's" same_files "$tmp/zip-win64" "$inst"
check "the uninstaller is signed" verifies "$inst/Uninstall.exe"
check "the shortcuts start each program in its folder" shortcuts_ok
check "the registry entries" install_registry_ok

# Old files to be replaced by the upgrade; the component loads this library.
for file in Decimora.exe Horalume/HORALUME.DLL Horalume/Horalume.exe; do printf 'old' >>"$inst/$file"; done
check "Decitray started as at sign-in shows decimal time in the taskbar" start_as_at_sign_in
old_pid=$(pids_of 'Decitray\.exe')
wine reg export 'HKCU\Software\Horalume' "$tmp/settings-before.reg" /y >/dev/null 2>&1

check "upgrade over the running copy" wine "$setup64" /S
check "the upgrade replaced every file, the loaded component too" same_files "$tmp/zip-win64" "$inst"
check "the upgrade kept the settings" same_settings
check "Decitray runs again after the upgrade and feeds the clock" restarted "$old_pid"

# Horalume's own start-up value, as its Advanced page writes it, names this copy.
wine reg add "$run_key" /v Horalume /t REG_SZ /d "$inst_win\\Horalume\\Horalume.exe" /f >/dev/null 2>&1
check "silent uninstall" uninstall /S
check "uninstalling stopped Decitray and took the component out" stopped
restart_windows
check "the uninstall left the file tree as before" same_tree before
check "the uninstall left HKCU as before, apart from the settings" same_hkcu before 'Software\Horalume'
check "the uninstall kept the settings" clock_format_kept

check "silent install again" install_into "$inst_win"
check "silent uninstall with /RemoveSettings" uninstall /S /RemoveSettings
check "the uninstall with /RemoveSettings left HKCU as before" same_hkcu before ''
check "... and the file tree" same_tree before

# --- A folder outside the ANSI code page, a user new to Horalume --------------
# The default folder holds the user's name, which may be in a script that the
# system's code page (1252 here) cannot hold: Chinese characters.
inst_win='C:\hora-test\十进制时间'
inst=$drive_c/hora-test/十进制时间
settings_key='HKCU\Software\Horalume\Settings'
no_clock_format() { [ -z "$(reg_string "$settings_key" ClockFormatString)" ]; }
decimal_format_written() { [ "$(reg_string "$settings_key" ClockFormatString)" = 'HH:mm:ss|%DC%  %DD%' ]; }
sign_in_value_ok() { [ "$(reg_string "$run_key" Decitray)" = "\"$inst_win\\StartDecitray.exe\"" ]; }
# The component starts Horalume from its own folder, which opens the sheet.
properties_from_clock_menu() {
  wine "$clockctl" menu "Horalume Properties" >/dev/null 2>&1 &&
    wait_for 20 wine "$clockctl" window '#32770' 'Horalume Properties'
}
# The sheet's Advanced page: "Load automatically when Windows starts" (2149 on
# page 2002), then OK, which writes Horalume's own start-up value.
horalume_start_up_value_ok() {
  wine "$clockctl" sheet-ok 2002 2149 >/dev/null 2>&1 &&
    wait_for 10 eval '[ "$(reg_string "$run_key" Horalume)" = "$inst_win\\Horalume\\Horalume.exe" ]'
}

wine "$root/build/win64/taskbar/taskbar.exe" >/dev/null 2>&1 &
taskbar_pid=$!
wait_for 20 clock_shows '.'
check "silent install with /NoDecimalClock into a folder outside the code page" install_into "$inst_win" /NoDecimalClock
check "... writes no clock format" no_clock_format
check "silent install again, with the decimal time option" install_into "$inst_win"
check "... writes the decimal clock format, there being none" decimal_format_written
check "... and the sign-in value names the folder" sign_in_value_ok
wine reg add "$settings_key" /v ShowProperties /t REG_DWORD /d 0 /f >/dev/null 2>&1 # no sheet over the start
check "Decitray started as at sign-in from that folder shows decimal time" start_as_at_sign_in
check "the clock menu's \"Horalume Properties\" starts Horalume from that folder" properties_from_clock_menu
check "Horalume's start-up value, written from its sheet, names that folder" horalume_start_up_value_ok
check "silent uninstall with /RemoveSettings from that folder" uninstall /S /RemoveSettings
check "... stopped Decitray and took the component out" stopped
restart_windows
check "... left HKCU as before (no start-up value either)" same_hkcu before ''
check "... and the file tree" same_tree before
