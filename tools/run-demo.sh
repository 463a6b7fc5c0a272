#!/bin/bash
# Builds the launcher and shows what the build laid out. Installs what it needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build-all.sh"
echo
echo "Built installation layouts:"
for dist in "$root/dist/win32" "$root/dist/win64"; do
  echo "  $dist"
  (cd "$dist" && find . -mindepth 1 | sort | sed 's/^\.\//    /')
done
