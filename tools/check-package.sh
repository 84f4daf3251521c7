#!/bin/sh
# check-package.sh PACKAGE.deb: checks a built package with the tools Debian
# users and maintainers rely on, and prints what each one says. Exits 1 when
# any of them finds an error or a warning.
set -u
deb=${1:-}
if [ ! -f "$deb" ]; then
    echo "usage: check-package.sh PACKAGE.deb" >&2
    exit 2
fi
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree" || exit 2
status=0

echo "== lintian --pedantic"
lintian --pedantic --info --show-overrides --fail-on error,warning "$deb" || status=1

echo "== hardening-check"
hardening-check "$tree/usr/bin/mestrel" "$tree/usr/bin/mestrel-check" || status=1

echo "== appstreamcli validate --pedantic"
appstreamcli validate --pedantic --no-net "$tree"/usr/share/metainfo/*.metainfo.xml || status=1

echo "== desktop-file-validate"
desktop-file-validate "$tree"/usr/share/applications/*.desktop && echo "no messages" || status=1

echo "== man --warnings"
for page in "$tree"/usr/share/man/man1/*.1.gz; do
    warnings=$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        printf '%s: %s\n' "${page##*/}" "$warnings"
        status=1
    else
        echo "${page##*/}: no warnings"
    fi
done
exit $status
