#!/bin/sh
# Lays out (setup) or removes (cleanup) drives in a build folder's Wine prefix, for
# tests that need CD-ROMs or other drive types. Each drive is a folder under <media>.
#   wine-drives.sh setup|cleanup <wine-run.sh> <prefix> <media> <letter>=<type>[:<label>] ...
# A label of "-" leaves the drive's folder missing (a drive without a medium).
set -eu
action=$1 wine_run=$2 prefix=$3 media=$4
export QUIMBO_WINEPREFIX="$prefix"  # wine-run.sh runs in this prefix
shift 4
devices=$prefix/dosdevices

# Drive types in one registry import; "-" removes an entry. Wine's mount manager reads
# them in the 64-bit view, where the 32-bit loader's reg.exe would not write by itself.
write_drive_types() {  # <remove|set>
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n'
    for drive in $drives; do
      letter=${drive%%=*} rest=${drive#*=}
      [ "$1" = remove ] && value=- || value="\"${rest%%:*}\""
      printf '"%s:"=%s\r\n' "$letter" "$value"
    done
  } > "$media.reg"
  "$wine_run" reg import "Z:$media.reg" /reg:64
  rm -f "$media.reg"
}

drives="$*"
write_drive_types remove
for drive in $drives; do rm -f "$devices/${drive%%=*}:"; done
rm -rf "$media"
if [ "$action" = setup ]; then
  mkdir -p "$media"
  for drive in $drives; do
    letter=${drive%%=*} rest=${drive#*=}
    label=""
    case $rest in *:*) label=${rest#*:} ;; esac
    if [ "$label" != - ]; then
      mkdir -p "$media/$letter"
      [ -n "$label" ] && printf '%s\n' "$label" > "$media/$letter/.windows-label"
    fi
    ln -s "$media/$letter" "$devices/$letter:"
  done
  write_drive_types set
fi
# Wine's mount manager reads the drive table when it starts: let the prefix's wine
# server end, so the tests start a fresh one.
WINEPREFIX=$prefix timeout 120 wineserver -w
