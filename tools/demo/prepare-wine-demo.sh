#!/bin/bash
# Lays out a demo world in a Wine prefix: the game installed from a dist/ folder
# (the registry entry the launcher looks for) and a CD-ROM drive labelled "VESKA"
# holding the launcher at its root and the manuals under Datas\.
#   prepare-wine-demo.sh <dist folder> <work folder>
# Prints the Windows path of the installation. Needs WINEPREFIX set.
set -euo pipefail
dist=$(cd "$1" && pwd)
work=$(mkdir -p "$2" && cd "$2" && pwd)
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

[ -f "$WINEPREFIX/system.reg" ] || { wine wineboot -i >/dev/null 2>&1; wineserver -w; }

windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
install_path="$(windows_path "$dist")\\"
wine reg add 'HKCU\Software\Velbrook\Quimbo Marivel Demo' /v 'installation path' /d "$install_path" /f >/dev/null

cdrom="$work/cdrom"
rm -rf "$cdrom"
mkdir -p "$cdrom/Datas/help"
cp "$dist/Quimbo.exe" "$cdrom/"
cp "$dist"/help/manual*.pdf "$cdrom/Datas/help/"
printf 'VESKA' > "$cdrom/.windows-label"
ln -sfn "$cdrom" "$WINEPREFIX/dosdevices/e:"
wine reg add 'HKLM\Software\Wine\Drives' /v 'e:' /d cdrom /f >/dev/null
wineserver -w
echo "$install_path"
