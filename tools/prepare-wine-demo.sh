#!/bin/bash
# Lays out a demo world in a Wine prefix: the game installed as a copy of a dist/ folder
# in <work folder>/installation, registered as an installer would (the build's
# harness/register_install), and a CD-ROM drive E: labelled "VESKA" (its folder
# <work folder>/drives/e) holding the launcher at its root and the manuals under Datas\.
# The launcher and the game write into their installation (bin\config.pc, the stand-in
# game's report): the copy keeps dist/ as the build made it.
#   prepare-wine-demo.sh <wine-run.sh of the build> <dist folder> <work folder>
# The prefix is $QUIMBO_WINEPREFIX (wine-run.sh makes it). Prints the Windows path of
# the installation; says on stderr where it is registered.
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
key=$("$wine_run" "$(dirname "$wine_run")/harness/register_install.exe" "$install_path" | tr -d '\r')
echo "Installed in $install_path (registry: $key)" >&2

sh "$(dirname "$0")/../harness/wine-drives.sh" setup "$wine_run" "$QUIMBO_WINEPREFIX" "$work/drives" e=cdrom:VESKA >/dev/null
cdrom="$work/drives/e"
mkdir -p "$cdrom/Datas/help"
cp "$dist/Quimbo.exe" "$cdrom/"
cp "$dist"/help/manual*.pdf "$cdrom/Datas/help/"
echo "$install_path"
