#!/bin/bash
# Lays out a demo world in a Wine prefix: the game installed as a copy of a dist/ folder
# in <work folder>/installation (the registry entry the launcher looks for names it) and a
# CD-ROM drive labelled "VESKA" holding the launcher at its root and the manuals under
# Datas\. The launcher and the game write into their installation (bin\config.pc, the
# stand-in game's report): the copy keeps dist/ as the build made it.
#   prepare-wine-demo.sh <wine-run.sh of the build> <dist folder> <work folder>
# The prefix is $QUIMBO_WINEPREFIX (wine-run.sh makes it). Prints the Windows path of
# the installation.
set -euo pipefail
wine_run=$1
dist=$(cd "$2" && pwd)
work=$(mkdir -p "$3" && cd "$3" && pwd)
: "${QUIMBO_WINEPREFIX:?}"

windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
installation="$work/installation"
rm -rf "$installation"
cp -R "$dist" "$installation"
install_path="$(windows_path "$installation")\\"
"$wine_run" reg add 'HKCU\Software\Velbrook\Quimbo Marivel Demo' /v 'installation path' /d "$install_path" /f >/dev/null

cdrom="$work/cdrom"
rm -rf "$cdrom"
mkdir -p "$cdrom/Datas/help"
cp "$dist/Quimbo.exe" "$cdrom/"
cp "$dist"/help/manual*.pdf "$cdrom/Datas/help/"
printf 'VESKA' > "$cdrom/.windows-label"
ln -sfn "$cdrom" "$QUIMBO_WINEPREFIX/dosdevices/e:"
# Wine's own key, read in the 64-bit view whichever loader writes it.
"$wine_run" reg add 'HKLM\Software\Wine\Drives' /v 'e:' /d cdrom /f /reg:64 >/dev/null
WINEPREFIX=$QUIMBO_WINEPREFIX wineserver -w
echo "$install_path"
