#!/usr/bin/env bash
# Installs what the build and the tests need, and nothing when all is there.
# Never installs wine32: this machine cannot run 32-bit code, and with it
# present the wine launcher would pick it and fail.
set -eu

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev clang-format
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb x11-utils xdotool imagemagick
  nsis osslsigncode openssl zip unzip python3 fp-utils python3-chm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
