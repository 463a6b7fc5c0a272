#!/bin/bash
# Installs what building and testing need on Debian 12 and 13, whose archives hold every
# package named here under the same name. Installs only what is missing; a package index
# that fails to refresh does not stop it.
# Wine's 32-bit loader and its libraries go only where 32-bit programs run: on a kernel
# without 32-bit support the loader would break the 64-bit runs too, so there it is removed.
# Each loader gets the display and OpenGL libraries of tools/wine-libraries.sh, which
# Wine only recommends; fonts-wine holds the Marlett font Wine draws captions' buttons with.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-builds.sh"
source "$root/tools/wine-libraries.sh"
source "$root/tools/llvm.sh"
packages=(cmake make g++ "clang-$llvm_version" "libclang-rt-$llvm_version-dev" "clang-format-$llvm_version"
          googletest libgtest-dev
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine64 fonts-wine xvfb xauth x11-utils imagemagick python3 python3-pefile locales
          $(wine_runtime_packages ":$(dpkg --print-architecture)"))
i386_packages=(wine32:i386 $(wine_runtime_packages :i386))

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

if runs_32bit_programs; then
  packages+=("${i386_packages[@]}")
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
elif installed wine32:i386; then
  echo "install-deps: this kernel cannot run 32-bit programs; removing wine32:i386, which would break the 64-bit Wine too" >&2
  $sudo apt-get remove -y wine32:i386
fi

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update || echo "install-deps: apt-get update reported a problem; going on with the lists at hand" >&2
  $sudo apt-get install -y --no-install-recommends "${missing[@]}" || exit 1
fi

# A Cyrillic system locale: the texts tests run Wine under it (code page 1251).
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
