#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine (run as root).
# Idempotent: packages already present cost nothing, apt is asked only for missing ones.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang python3
  mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  wine wine64 wine32:i386 xvfb x11-apps xdotool
  libtiff-tools netpbm imagemagick locales fonts-ipafont-gothic
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  sed -i 's/^# *\(ja_JP.UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
