#!/bin/bash
# Checks that both README commands pass on a fresh Debian release, as a newcomer would
# run them: builds a minimal root of <suite> with debootstrap, clones the project into
# it and runs, as root there, the test command (.ci/run) and then the run command
# (tools/run-demo.sh, which without a display takes a screenshot on Xvfb).
#   tools/check-debian-release.sh <suite> [<commit or branch>, default HEAD]
# Needs root (debootstrap, chroot, mounts). The root lives in
# ${QUIMBO_RELEASE_DIR:-/var/tmp/quimbo-release-<suite>}/root, made anew on each run and
# kept afterwards for a look; the log is beside it, named with the run's date.
# QUIMBO_DEBIAN_MIRROR chooses the package archive (default deb.debian.org).
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 <suite> [<commit or branch>]" >&2
  exit 2
fi
suite=$1
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "${2:-HEAD}^{commit}")
work=${QUIMBO_RELEASE_DIR:-/var/tmp/quimbo-release-$suite}
mirror=${QUIMBO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
rootfs=$work/root
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mounts)" >&2; exit 2; }

mkdir -p "$work"
log=$work/check-$(date +%Y%m%d-%H%M%S).log
exec > >(tee "$log") 2>&1
echo "Debian $suite, commit $commit ($(git -C "$repo" log -1 --format=%s "$commit")), log $log"

mounted_under() { awk -v d="$1" '$5 == d || index($5, d "/") == 1 { print $5 }' /proc/self/mountinfo; }
# Ends what still runs inside the root (Xvfb, a wine server), then unmounts, innermost
# first; a lazy unmount if something holds on.
cleanup() {
  local link pid m
  for link in /proc/[0-9]*/root; do
    [ "$(readlink "$link" 2>/dev/null)" = "$rootfs" ] || continue
    pid=${link#/proc/}; pid=${pid%/root}
    kill -9 "$pid" 2>/dev/null || true
  done
  for m in $(mounted_under "$rootfs" | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
}
trap cleanup EXIT

# A root left by an earlier run goes, but never while anything is mounted in it: a
# removal would reach into the host's /dev or /proc.
if [ -n "$(mounted_under "$rootfs")" ]; then cleanup; fi
if [ -n "$(mounted_under "$rootfs")" ]; then
  echo "$0: still mounted under $rootfs, not removing it" >&2
  exit 1
fi
rm -rf --one-file-system "$rootfs"

if ! command -v debootstrap >/dev/null; then
  apt-get install -y debootstrap || { apt-get update && apt-get install -y debootstrap; }
fi
seconds() { echo $(($(date +%s) - $1)); }
start=$(date +%s)
step=$start
# With the keyring named, debootstrap refuses a release whose signature the host's keys
# cannot check, instead of going on unverified.
if ! debootstrap --variant=minbase --include=git,ca-certificates --keyring="$keyring" \
    "$suite" "$rootfs" "$mirror"; then
  echo "$0: debootstrap of $suite failed; if its Release file is signed by an unknown key," \
       "this host's debian-archive-keyring is older than $suite" >&2
  exit 1
fi
echo "== root of Debian $suite ($(cat "$rootfs/etc/debian_version")) made in $(seconds "$step") s"

for d in proc dev dev/pts sys; do mount --bind "/$d" "$rootfs/$d"; done
# The clone's source: a bare copy of this repository in the root, with the commit to
# check as its default branch, so the root's own git makes a clean clone of it.
git clone --quiet --bare "$repo" "$rootfs/var/tmp/quimbo.git"
git -C "$rootfs/var/tmp/quimbo.git" update-ref refs/heads/release-check "$commit"
git -C "$rootfs/var/tmp/quimbo.git" symbolic-ref HEAD refs/heads/release-check

# As a newcomer's root shell would: no display, nothing of this host's environment.
in_root() {
  chroot "$rootfs" /usr/bin/env -i HOME=/root TERM=dumb \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$1"
}
in_root 'git clone --quiet /var/tmp/quimbo.git /root/quimbo'

status=0
step=$(date +%s)
echo "== .ci/run"
in_root 'set -o pipefail; cd /root/quimbo && .ci/run 2>&1 | tee /root/ci-run.log' || status=$?
ci="exit $status in $(seconds "$step") s"
demo_status=0
step=$(date +%s)
echo "== tools/run-demo.sh"
in_root 'cd /root/quimbo && tools/run-demo.sh' || demo_status=$?
demo="exit $demo_status in $(seconds "$step") s"

echo "== Debian $suite, $(seconds "$start") s in all: .ci/run $ci; tools/run-demo.sh $demo"
grep -h '^== Windows-side tests ran for' "$rootfs/root/ci-run.log" || true
[ $status -eq 0 ] && [ $demo_status -eq 0 ]
