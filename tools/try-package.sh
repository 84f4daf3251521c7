#!/bin/sh
# try-package.sh PACKAGE.deb: installs the package into a fresh Debian 12
# minbase chroot with apt-get, which must find everything it needs, and runs
# it there: mestrel-check --version, a report written as PDF, the window on
# the offscreen platform, the desktop file and the manual page. Needs root
# and Debian's package mirror (MIRROR, or debootstrap's own default).
set -eu
if [ ! -f "${1:-}" ]; then
    echo "usage: try-package.sh PACKAGE.deb" >&2
    exit 2
fi
deb=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
root=$(mktemp -d /var/tmp/mestrel-chroot.XXXXXX)
chmod 755 "$root" # apt's and man's own users read below it
cleanup() {
    umount "$root/dev/pts" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

echo "== debootstrap --variant=minbase bookworm"
debootstrap --variant=minbase bookworm "$root" ${MIRROR:-} >"$root.log" 2>&1 ||
    { tail -n 20 "$root.log"; rm -f "$root.log"; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc"
mount --bind /dev/pts "$root/dev/pts" # where apt writes its terminal log
cp "$deb" "$root/tmp/"
cp "$here/../tests/core/file/data/default-row16.csv" "$root/tmp/switch.csv"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== apt-get install ./${deb##*/}"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "/tmp/${deb##*/}" >/dev/null
in_root dpkg-query -W mestrel
# The licence page's links to Qt's licence texts end in the system's copies.
in_root test -r /usr/share/mestrel/Licenses/LGPL-3.txt
in_root test -r /usr/share/mestrel/Licenses/GPL-3.txt

echo "== mestrel-check --version"
in_root mestrel-check --version

echo "== mestrel-check --report"
in_root mestrel-check --report /tmp/switch.csv --output /tmp/switch.pdf
head -c 5 "$root/tmp/switch.pdf" | grep -q '%PDF-'

echo "== mestrel on the offscreen platform for 5 seconds"
status=0
in_root env QT_QPA_PLATFORM=offscreen timeout 5 mestrel || status=$?
[ "$status" -eq 124 ] || { echo "mestrel ended with $status" >&2; exit 1; }
echo "still running after 5 seconds"

echo "== desktop-file-validate and man mestrel-check (with the tools installed)"
in_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends desktop-file-utils man-db >/dev/null
in_root desktop-file-validate /usr/share/applications/mestrel.desktop
in_root env MANWIDTH=80 man mestrel-check | head -n 12
echo "== the package installs and runs"
