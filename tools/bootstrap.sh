#!/usr/bin/env bash
# Installs what the build and the tests need; installs nothing that is already there.
set -euo pipefail
pkgs=(cmake ninja-build ccache g++ g++-mingw-w64-x86-64 g++-mingw-w64-i686
      mingw-w64-tools binutils-mingw-w64 libz-mingw-w64-dev
      wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick icoutils cabextract
      googletest libgtest-dev zlib1g-dev clang libclang-rt-14-dev
      xdelta3 bsdiff zstd xz-utils python3 libmspack-dev osslsigncode openssl)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
