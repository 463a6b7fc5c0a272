#!/bin/bash
# Checks that each Wine loader that runs here finds the display and OpenGL libraries of
# tools/wine-libraries.sh: the 64-bit one always, the 32-bit one (the shipped build's)
# wherever 32-bit programs run. A missing one is named with the package that brings it.
#   check-wine-libraries.sh [library list file, default tools/wine-libraries.sh]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-builds.sh"
source "${1:-$root/tools/wine-libraries.sh}"
triplets=(x86_64-linux-gnu)
runs_32bit_programs && triplets+=(i386-linux-gnu)
missing=0
for triplet in "${triplets[@]}"; do
  arch=amd64
  [ "$triplet" = i386-linux-gnu ] && arch=i386
  for entry in "${wine_runtime_libraries[@]}"; do
    read -r file package _ <<< "$entry"
    if [ ! -e "/usr/lib/$triplet/$file" ]; then
      echo "check-wine-libraries: the $arch Wine lacks /usr/lib/$triplet/$file: install $package:$arch" >&2
      missing=1
    fi
  done
done
[ $missing -eq 0 ] || exit 1
echo "Wine's display and OpenGL libraries present for: ${triplets[*]} (${#wine_runtime_libraries[@]} each)"
