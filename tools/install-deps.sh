#!/bin/bash
# Installs what building and testing need on Debian 12. Installs only what is missing;
# a package index that fails to refresh does not stop it.
set -u
packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine64 xvfb xauth x11-utils imagemagick python3 python3-pefile)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update || echo "install-deps: apt-get update reported a problem; going on with the lists at hand" >&2
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
