#!/bin/bash
# Builds the launcher, lays out a demo installation (a copy of the build's dist/ folder,
# which stays as the build made it) and the game's CD-ROM in a Wine prefix of its own
# (build/demo), and starts the installed launcher. On $DISPLAY it is
# yours to use; without a display it runs on Xvfb, saves a screenshot of the main
# dialog, presses Play and prints what the stand-in game received.
# It runs the shipped 32-bit build where this machine runs 32-bit programs, the 64-bit
# build otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build-all.sh"

source "$root/tools/wine-builds.sh"
build=$(shipped_or_standin_build)
case $build in
  win32) echo "Running the shipped 32-bit build (dist/win32)" ;;
  *) echo "Running the 64-bit build (dist/win64): this machine cannot run 32-bit programs" ;;
esac
dist="$root/dist/$build"
wine_run="$root/build/$build/wine-run.sh"
demo="$root/build/demo"
export QUIMBO_WINEPREFIX="$demo/wineprefix"
source "$root/tools/xvfb.sh"
headless=false
[ -z "${DISPLAY:-}" ] && headless=true
start_display_if_needed

install_path=$("$root/tools/prepare-wine-demo.sh" "$wine_run" "$dist" "$demo")
echo "CD-ROM: drive E:, labelled VESKA, from $demo/drives/e"
installation="$demo/installation"
echo "The installation (a copy of $dist): $(cd "$installation" && find . -type f | sort | tr '\n' ' ')"

if ! $headless; then
  cd "$installation" && exec "$wine_run" Quimbo.exe
fi
mkdir -p "$demo/screenshots"
"$wine_run" "$root/build/$build/harness/demo_driver.exe" "$install_path" "Z:$demo/screenshots/main-dialog.bmp" | tr -d '\r'
convert "$demo/screenshots/main-dialog.bmp" "$demo/screenshots/main-dialog.png" && rm "$demo/screenshots/main-dialog.bmp"
echo "Screenshot: $demo/screenshots/main-dialog.png"
WINEPREFIX=$QUIMBO_WINEPREFIX wineserver -k
