#!/bin/bash
# Fails on C++ that clang-format (the version of tools/llvm.sh), with the repository's
# .clang-format, would change, and names each place. Cheap, so the test command runs it
# before building.
# Usage: tools/check-format.sh [files...], default every source file of ours.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/llvm.sh"
cd "$root"
if [ $# -eq 0 ]; then
  # framework/message_map.h: its two map macros open and close one brace between them,
  # which clang-format lays out as broken statements.
  mapfile -t files < <(find state framework settings detect res dialogs launcher harness bench tests \
      -name '*.cpp' -o -name '*.h' | grep -v '^framework/message_map\.h$' | sort)
else
  files=("$@")
fi
"clang-format-$llvm_version" --dry-run --Werror "${files[@]}"
echo "check-format: ${#files[@]} files as .clang-format lays them out"
