#!/bin/bash
# Builds the launcher, lays out a demo installation and the game's CD-ROM in a Wine
# prefix of its own (build/demo), and starts the installed launcher. On $DISPLAY it is
# yours to use; without a display it runs on Xvfb, saves a screenshot of the main
# dialog, presses Play and prints what the stand-in game received.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build-all.sh"

dist="$root/dist/win64"  # these machines cannot run 32-bit programs
demo="$root/build/demo"
export WINEPREFIX="$demo/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$root/tools/xvfb.sh"
headless=false
[ -z "${DISPLAY:-}" ] && headless=true
start_display_if_needed

install_path=$("$root/tools/demo/prepare-wine-demo.sh" "$dist" "$demo")
echo "Installed in $install_path (registry: HKCU\\Software\\Velbrook\\Quimbo Marivel Demo)"
echo "CD-ROM: drive E:, labelled VESKA, from $demo/cdrom"
echo "The installation: $(cd "$dist" && find . -type f | sort | tr '\n' ' ')"

if ! $headless; then
  cd "$dist" && exec wine Quimbo.exe
fi
# Without a window manager, Wine draws the captions itself when windows are unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
mkdir -p "$demo/screenshots"
wine "$root/build/win64/tools/demo/demo_driver.exe" "$install_path" "Z:$demo/screenshots/main-dialog.bmp" | tr -d '\r'
convert "$demo/screenshots/main-dialog.bmp" "$demo/screenshots/main-dialog.png" && rm "$demo/screenshots/main-dialog.bmp"
echo "Screenshot: $demo/screenshots/main-dialog.png"
wineserver -k
