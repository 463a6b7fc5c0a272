#!/bin/bash
# Screenshots of the main, language and video options dialogs in every language and of
# every picture in the main dialog's frame, from the shipped 32-bit build (the 64-bit one where
# 32-bit programs cannot run), into docs/screenshots/ (or $1). $2 picks one set:
# main, language, pictures or video; all of them without it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
only=${2:-all}
source "$root/tools/wine-builds.sh"
name=$(shipped_or_standin_build)
build=$root/build/$name
mkdir -p "$out"
source "$root/tools/xvfb.sh"
start_display_if_needed

# Runs show_dialog with the arguments, waits for its window titled $1, saves it to $2.
# With whole_screen=1 it saves what the screen shows around the window instead, for
# dropped-down lists that reach past the dialog (the screen is black elsewhere).
capture() {
  local title=$1 file=$2; shift 2
  "$build/wine-run.sh" "$build/harness/show_dialog.exe" "$@" &
  local pid=$! id=""
  for _ in $(seq 200); do
    id=$(xwininfo -root -tree | awk -v t="\"$title\"" 'index($0, t) && / [0-9]+x[0-9]+\+/ {print $1; exit}')
    # Painted once mapped: wait until the window reports itself viewable.
    [ -n "$id" ] && xwininfo -id "$id" | grep -q "IsViewable" && break
    id=""
    sleep 0.1
  done
  if [ -z "$id" ]; then echo "no window \"$title\" for $*" >&2; kill "$pid"; return 1; fi
  if [ "${whole_screen:-0}" = 1 ]; then
    # The dropped list is a window of its own, without a name; wait until it is the
    # program's topmost window (xwininfo lists the top first).
    for _ in $(seq 100); do
      xwininfo -root -tree | grep '("show_dialog.exe"' | grep -v '"Default IME"' | head -1 | grep -q '(has no name)' && break
      sleep 0.1
    done
  fi
  # Painting follows the mapping: save once two grabs in a row are the same.
  local shot=$file.grab.png previous=$file.previous.png
  for _ in $(seq 30); do
    sleep 0.2
    if [ "${whole_screen:-0}" = 1 ]; then
      import -window root png:- | convert - -bordercolor black -border 1 -trim +repage "$shot"
    else
      import -window "$id" "$shot"
    fi
    [ -f "$previous" ] && [ "$(compare -metric AE "$shot" "$previous" null: 2>&1)" = 0 ] && break
    mv "$shot" "$previous"
  done
  convert "$shot" "PNG8:$file"
  rm -f "$shot" "$previous"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$file"
}

wanted() { [ "$only" = all ] || [ "$only" = "$1" ]; }

names=(english french german spanish italian dutch)
if wanted main; then
  # The installed launcher's dialog with a saved record in each language: the demo's
  # world (its own prefix), the record's language (a 32-bit value at offset 8) set
  # before each start. The first start leaves the record.
  world=$root/build/screenshots
  export QUIMBO_WINEPREFIX=$world/wineprefix
  install_path=$("$root/tools/prepare-wine-demo.sh" "$build/wine-run.sh" "$root/dist/$name" "$world")
  record=$world/installation/bin/config.pc
  for language in first 0 1 2 3 4 5; do
    [ "$language" = first ] || printf "\\x0$language\\x00\\x00\\x00" | dd of="$record" bs=1 seek=8 conv=notrunc status=none
    "$build/wine-run.sh" "$build/harness/demo_driver.exe" "$install_path" "Z:$world/main.bmp" >/dev/null
    # The stand-in game it started must be gone: a launcher that finds the game's window ends.
    WINEPREFIX=$QUIMBO_WINEPREFIX wineserver -w
    [ "$language" = first ] && continue
    convert "$world/main.bmp" "$out/main-${names[$language]}.png"
    echo "$out/main-${names[$language]}.png"
  done
  rm -f "$world/main.bmp"
  WINEPREFIX=$QUIMBO_WINEPREFIX wineserver -k
fi
if wanted language; then
  for language in 0 1 2 3 4 5; do
    capture "Quimbo - Marivel" "$out/language-${names[$language]}.png" language "$language"
  done
fi
if wanted pictures; then
  # Title for each picture's language: German and Spanish have no dash.
  capture "Quimbo - Marivel" "$out/picture-164-background.png" picture 164 0
  capture "Quimbo - Marivel" "$out/picture-157-english.png" picture 157 0
  capture "Quimbo - Marivel" "$out/picture-159-french.png" picture 159 1
  capture "Quimbo Marivel" "$out/picture-160-german.png" picture 160 2
  capture "Quimbo Marivel" "$out/picture-158-spanish.png" picture 158 3
  capture "Quimbo - Marivel" "$out/picture-162-dutch.png" picture 162 5
fi
if wanted video; then
  # The video options carry the English title in every language. The second shot has
  # the renderer list open, to show every renderer text.
  for language in 0 1 2 3 4 5; do
    capture "Quimbo - Marivel" "$out/video-options-${names[$language]}.png" video "$language"
    whole_screen=1 capture "Quimbo - Marivel" "$out/video-options-${names[$language]}-renderers.png" \
      video "$language" renderers
  done
fi
