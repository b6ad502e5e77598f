#!/usr/bin/env bash
# Installs everything the build, the tests and the run command need on Debian 12
# (amd64). Safe to run again: when every package is present it only says so.
set -euo pipefail

PACKAGES=(
  # Linux build, unit tests, benchmarks, fuzzing
  cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  # Windows cross build
  mingw-w64 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64
  # Wine (64-bit only) and what its X11 driver uses for fonts and rendering
  wine wine64 fonts-wine fonts-liberation libfreetype6 libfontconfig1 libxrender1 libxrandr2
  libxcursor1 libxi6 libxinerama1 libxcomposite1 libxfixes3 libxxf86vm1 libgnutls30 libdbus-1-3
  # End-to-end tests: virtual X server, keys and mouse, screenshots
  xvfb imagemagick python3 python3-xlib python3-pytest
  # Setup program
  nsis
  # Data generator
  unicode-data unicode-cldr-core
  # Help file: the compiler (chmcmd), and 7z, which reads it back for the test command
  fp-utils-3.2.2 p7zip-full
)

# One dpkg-query for all: the packages it reports as installed.
installed=" $(dpkg-query -W -f='${Package} ${Status}\n' "${PACKAGES[@]}" 2>/dev/null |
  awk '$4 == "installed" { printf "%s ", $1 }' || true)"
missing=()
for package in "${PACKAGES[@]}"; do
  case "$installed" in
    *" $package "*) ;;
    *) missing+=("$package") ;;
  esac
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#PACKAGES[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
