#!/bin/sh
# Installs the Debian packages that building, running and testing Mestrel need,
# but only those that are missing. Runs apt-get directly as root, through sudo
# otherwise; does nothing when everything is present.
#   install-deps.sh        what "make", "make run" and "make test" need
#   install-deps.sh fuzz   that, and clang with libFuzzer for "make fuzz"
#   install-deps.sh sanitize  that, and clang with its sanitizers for
#                             "make test-sanitize"
#   install-deps.sh artwork   that, and Qt's SVG module for "make artwork"
#   install-deps.sh help-pictures  that, and a virtual X server for
#                             "make help-pictures"
#   install-deps.sh qt6       that, with Qt 6 in place of Qt 5, for
#                             "make run QT=6", "make test QT=6" (any of the
#                             others may follow, e.g. "qt6 artwork")
#   install-deps.sh package-check  that, and Debian's package checkers and
#                             debootstrap for "make package-check" and
#                             "make package-install-check"
set -e

# fonts-liberation: the report asks for Arial, whose metrics Liberation Sans has;
# poppler-utils: the report tests read the PDF back; desktop-file-utils checks
# the menu entry in the tests and appstream its metainfo; scdoc makes the
# manual pages, which man-db checks; bash-completion runs the completion in
# the tests; dpkg-dev finds the package's dependencies and build flags for
# `make package` and reads the changelog in the tests. libclang-rt-dev is the
# sanitizer and libFuzzer runtime of the release's default clang (14 on
# Debian 12, 19 on Debian 13).
QT_PACKAGES="qtbase5-dev qtbase5-dev-tools"
SVG_PACKAGE="libqt5svg5-dev"
if [ "$1" = qt6 ]; then
    # qt6-base-dev brings the platform plugins, offscreen included.
    QT_PACKAGES="qt6-base-dev qt6-base-dev-tools"
    SVG_PACKAGE="qt6-svg-dev"
    shift
fi
PACKAGES="g++ cmake make $QT_PACKAGES fonts-dejavu-core fonts-liberation poppler-utils desktop-file-utils appstream scdoc man-db bash-completion dpkg-dev"
case "$1" in
fuzz | sanitize) PACKAGES="$PACKAGES clang libclang-rt-dev" ;;
artwork) PACKAGES="$PACKAGES $SVG_PACKAGE" ;;
help-pictures) PACKAGES="$PACKAGES xvfb xauth" ;;
package-check) PACKAGES="$PACKAGES lintian devscripts debootstrap" ;;
esac

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "Missing packages:$missing" >&2
    echo "Run 'make' as root or install sudo." >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends $missing
