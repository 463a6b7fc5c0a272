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
share=$prefix/dosdevices/unc/quimbo-server

# First the drives: a prefix that is new is made there, and a share laid out before
# would go with the folder it replaces.
sh "$(dirname "$0")/../../harness/wine-drives.sh" "$action" "$wine_run" "$prefix" "$media" \
  m=cdrom:- n=cdrom:OTHER o=cdrom:VESKA2 p=hd:VESKA q=cdrom:veska r=cdrom:VESKA
rm -rf "$share" "$media-share"
rmdir "$prefix/dosdevices/unc" 2>/dev/null || true
if [ "$action" = setup ]; then
  mkdir -p "$share" "$media-share" "$media/r/Datas"
  ln -s "$media-share" "$share/share"
fi
