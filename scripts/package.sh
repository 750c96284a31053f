#!/usr/bin/env bash
# Release packages of both bitnesses, written to out/:
#   decimal-time-<version>-win64-setup.exe, -win32-setup.exe   per-user installers
#   decimal-time-<version>-win64.zip, -win32.zip               the same tree, portable
#   SHA256SUMS, winget/win64/, winget/win32/                   checksums, winget manifests
# The version is the CMake project version. Reuses the win64 and win32 release
# builds when they are there.
#   scripts/package.sh [--sign CERT.pfx] [--out DIR] [--url BASE]
# --sign signs every program, the library, the uninstaller and the installers
# and verifies each signature (the certificate's password in SIGN_PASSWORD, a
# timestamp server in SIGN_TIMESTAMP_URL if wanted). --url is where the
# installers will be downloaded from, for the winget manifests.
set -eu
cd "$(dirname "$0")/.."
root=$PWD

usage() {
  echo "usage: scripts/package.sh [--sign CERT.pfx] [--out DIR] [--url BASE]" >&2
  exit 2
}

# Trusted for verifying: the system's authorities and the certificate's own chain.
trust_file() {
  local trust=$1
  cat /etc/ssl/certs/ca-certificates.crt >"$trust" 2>/dev/null || : >"$trust"
  openssl pkcs12 -in "$cert" -nokeys -passin env:SIGN_PASSWORD >>"$trust" 2>/dev/null ||
    openssl pkcs12 -legacy -in "$cert" -nokeys -passin env:SIGN_PASSWORD >>"$trust"
}

# Signs one PE file in place and verifies the signature.
sign_file() {
  local file=$1 label=${2:-$(basename "$1")} trust pass
  trust=$(mktemp)
  pass=$(mktemp) # a file, so the password never shows in a process list
  printf '%s' "${SIGN_PASSWORD:-}" >"$pass"
  local args=(-pkcs12 "$cert" -readpass "$pass" -h sha256 -n "Decimal time")
  [ -n "${SIGN_TIMESTAMP_URL:-}" ] && args+=(-ts "$SIGN_TIMESTAMP_URL")
  if osslsigncode sign "${args[@]}" -in "$file" -out "$file.signed" >/dev/null && mv "$file.signed" "$file" &&
    trust_file "$trust" && osslsigncode verify -CAfile "$trust" -in "$file" >/dev/null; then
    rm -f "$trust" "$pass"
    echo "signed and verified: $label"
  else
    rm -f "$trust" "$pass" "$file.signed"
    echo "package: signing $file failed" >&2
    return 1
  fi
}

# makensis signs the uninstaller through this while it builds an installer.
if [ "${1:-}" = --sign-file ] && [ $# -eq 3 ]; then
  cert=$2
  sign_file "$3" "the uninstaller"
  exit
fi

out=$root/out
cert=""
url_base=""
while [ $# -gt 0 ]; do
  case $1 in
    --sign) [ $# -ge 2 ] || usage; cert=$(realpath "$2"); shift 2 ;;
    --out) [ $# -ge 2 ] || usage; out=$(realpath -m "$2"); shift 2 ;;
    --url) [ $# -ge 2 ] || usage; url_base=${2%/}; shift 2 ;;
    *) usage ;;
  esac
done
[ -z "$cert" ] || [ -f "$cert" ] || { echo "package: no certificate $cert" >&2; exit 1; }

version=$(sed -n 's/^project(DecimalTimePackage VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "package: no project version in CMakeLists.txt" >&2; exit 1; }
url_base=${url_base:-https://www.example.org/decimal-time/releases/$version}
name=decimal-time-$version
work=$root/build/package
rm -rf "$work" "$out/winget" "$out/SHA256SUMS" "$out/$name"-*
mkdir -p "$work" "$out"

# The installed tree of one bitness, without the stand-in taskbar (a Wine fixture).
stage_tree() {
  local arch=$1 stage=$2
  cmake --preset "$arch" >/dev/null
  cmake --build --preset "$arch" --target Decitray Decimora Horalume horalume_dll horaset taskbar >/dev/null
  cmake --install "build/$arch" --prefix "$stage" >/dev/null
  rm -f "$stage/taskbar.exe"
  makensis -V2 -DVERSION="$version" -DARCH="$arch" -DOUTFILE="$stage/StartDecitray.exe" "$root/installer/start-decitray.nsi" >/dev/null
}

# The uninstaller's list of files and folders, deepest folders last.
file_list() {
  local stage=$1
  echo '!macro RemoveInstalledFiles'
  (cd "$stage" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  (cd "$stage" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir /REBOOTOK "$INSTDIR\\&"|'
  echo '!macroend'
}

winget_manifests() {
  local arch=$1 architecture=$2 setup=$3 id=DecimalTimePackage.DecimalTime dir sha
  dir=$out/winget/$arch
  sha=$(sha256sum "$setup" | cut -d' ' -f1)
  mkdir -p "$dir"
  for template in version installer locale.en-US; do
    local file=$dir/$id.$template.yaml
    [ "$template" = version ] && file=$dir/$id.yaml
    sed -e "s|@VERSION@|$version|g" -e "s|@ARCHITECTURE@|$architecture|g" \
      -e "s|@URL@|$url_base/$(basename "$setup")|g" -e "s|@SHA256@|${sha^^}|g" \
      "installer/winget/$template.yaml" >"$file"
  done
}

for arch in win64 win32; do
  stage=$work/$arch
  stage_tree "$arch" "$stage"
  if [ -n "$cert" ]; then
    while IFS= read -r -d '' file; do sign_file "$file"; done < <(find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
  fi
  file_list "$stage" >"$work/$arch-files.nsh"
  setup=$out/$name-$arch-setup.exe
  sign_define=()
  [ -n "$cert" ] && sign_define=(-DSIGN="\"$root/scripts/package.sh\" --sign-file \"$cert\" \"%1\"")
  makensis -V2 -DVERSION="$version" -DARCH="$arch" -DSTAGE="$stage" -DFILES="$work/$arch-files.nsh" \
    -DOUTFILE="$setup" "${sign_define[@]}" "$root/installer/decimal-time.nsi"
  [ -z "$cert" ] || sign_file "$setup"
  (cd "$stage" && zip -q -r -X "$out/$name-$arch.zip" .)
  architecture=x64
  [ "$arch" = win32 ] && architecture=x86
  winget_manifests "$arch" "$architecture" "$setup"
done
(cd "$out" && sha256sum "$name"-* >SHA256SUMS)
echo "packages of $version in $out"
