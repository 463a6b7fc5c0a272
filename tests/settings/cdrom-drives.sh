#!/bin/sh
# Lays out (setup) or removes (cleanup) the drives that install_location_tests expects,
# in the Wine prefix of the build folder:
#   m: CD-ROM whose folder is missing (no medium)   n: CD-ROM labelled OTHER
#      (Wine 8 still answers GetVolumeInformation for it, with an empty label)
#   o: CD-ROM labelled VESKA2                       p: hard disk labelled VESKA
#   q: CD-ROM labelled veska                        r: CD-ROM labelled VESKA, with Datas\
#   \\quimbo-server\share: a network share
# Usage: cdrom-drives.sh setup|cleanup <wine-run.sh> <prefix> <folder for the media>
set -eu
action=$1 wine_run=$2 prefix=$3 media=$4
devices=$prefix/dosdevices

# Drive types in one registry import: <letter>=<type> pairs, "-" removes the entry.
set_drive_types() {
  mkdir -p "$media"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n'
    for pair in "$@"; do
      value=${pair#*=}
      [ "$value" = - ] && printf '"%s:"=-\r\n' "${pair%%=*}" || printf '"%s:"="%s"\r\n' "${pair%%=*}" "$value"
    done
  } > "$media/drives.reg"
  "$wine_run" reg import "Z:$media/drives.reg" >/dev/null 2>&1
}

# Wine's mount manager reads the drive table when it starts: let the prefix's wine
# server end, so the tests start a fresh one.
wait_for_wine_server_end() {
  WINEPREFIX=$prefix timeout 120 wineserver -w
}

set_drive_types m=- n=- o=- p=- q=- r=-
for d in m n o p q r; do rm -f "$devices/$d:"; done
rm -f "$devices/unc/quimbo-server/share"
rmdir "$devices/unc/quimbo-server" "$devices/unc" 2>/dev/null || true
rm -rf "$media"
[ "$action" = cleanup ] && exit 0

mkdir -p "$media/other" "$media/veska2" "$media/hd" "$media/lower" "$media/upper/Datas" "$media/share"
printf 'OTHER\n' > "$media/other/.windows-label"
printf 'VESKA2\n' > "$media/veska2/.windows-label"
printf 'VESKA\n' > "$media/hd/.windows-label"
printf 'veska\n' > "$media/lower/.windows-label"
printf 'VESKA\n' > "$media/upper/.windows-label"
set_drive_types m=cdrom n=cdrom o=cdrom p=hd q=cdrom r=cdrom
ln -s "$media/missing" "$devices/m:"
ln -s "$media/other" "$devices/n:"
ln -s "$media/veska2" "$devices/o:"
ln -s "$media/hd" "$devices/p:"
ln -s "$media/lower" "$devices/q:"
ln -s "$media/upper" "$devices/r:"
mkdir -p "$devices/unc/quimbo-server"
ln -s "$media/share" "$devices/unc/quimbo-server/share"
wait_for_wine_server_end
