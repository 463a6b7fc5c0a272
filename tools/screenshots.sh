#!/bin/bash
# Screenshots of the language dialog in every language and of every picture in the
# main dialog's frame, from the win64 build, into docs/screenshots/ (or $1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=$root/build/win64
mkdir -p "$out"
source "$root/tools/xvfb.sh"
start_display_if_needed

# Runs show_dialog with the arguments, waits for its window titled $1, saves it to $2.
capture() {
  local title=$1 file=$2; shift 2
  "$build/wine-run.sh" "$build/tools/screenshots/show_dialog.exe" "$@" &
  local pid=$! id=""
  for _ in $(seq 200); do
    id=$(xwininfo -root -tree | awk -v t="\"$title\"" 'index($0, t) && / [0-9]+x[0-9]+\+/ {print $1; exit}')
    # Painted once mapped: wait until the window reports itself viewable.
    [ -n "$id" ] && xwininfo -id "$id" | grep -q "IsViewable" && break
    id=""
    sleep 0.1
  done
  if [ -z "$id" ]; then echo "no window \"$title\" for $*" >&2; kill "$pid"; return 1; fi
  sleep 0.3  # let Wine finish painting the controls
  import -window "$id" "PNG8:$file"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$file"
}

names=(english french german spanish italian dutch)
for language in 0 1 2 3 4 5; do
  capture "Quimbo - Marivel" "$out/language-${names[$language]}.png" language "$language"
done
# Title for each picture's language: German and Spanish have no dash.
capture "Quimbo - Marivel" "$out/picture-164-background.png" picture 164 0
capture "Quimbo - Marivel" "$out/picture-157-english.png" picture 157 0
capture "Quimbo - Marivel" "$out/picture-159-french.png" picture 159 1
capture "Quimbo Marivel" "$out/picture-160-german.png" picture 160 2
capture "Quimbo Marivel" "$out/picture-158-spanish.png" picture 158 3
capture "Quimbo - Marivel" "$out/picture-162-dutch.png" picture 162 5
