#!/usr/bin/env bash
# Installs, with apt, every Debian package the build, the tests and the tools need.
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake g++ make ninja-build
  googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  wine64 xvfb xauth x11-utils
  libreoffice-writer-nogui python3-uno poppler-utils wv
  fonts-arphic-ukai fonts-arphic-uming fonts-wqy-zenhei
  imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
