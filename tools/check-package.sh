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
lintian --pedantic --display-info --show-overrides --fail-on error,warning "$deb" || status=1

echo "== hardening-check"
# Two of its verdicts cannot be "yes" on Debian 12 whatever the flags:
# - control flow integrity needs every object linked to carry the IBT and
#   SHSTK property, and the C library's start files (Scrt1.o, crti.o,
#   crtn.o) do not;
# - _FORTIFY_SOURCE replaces only calls whose bounds it can check, and the
#   only fortifiable functions the programs call are memcpy, memmove and
#   memset that the compiler emits for copying and clearing objects, which
#   its own man page names as a false alarm, and readlink, whose one call
#   reads into a buffer of fixed size passed whole, which the compiler
#   proves safe and so calls unchecked.
# So the full report is printed, control flow integrity is left out of the
# verdict, and "Fortify Source functions" passes when nothing but those
# four is unprotected.
for program in mestrel mestrel-check; do
    report=$(hardening-check --verbose "$tree/usr/bin/$program")
    printf '%s\n' "$report"
    hardening-check --quiet --nocfprotection --nofortify "$tree/usr/bin/$program" >/dev/null || status=1
    if printf '%s\n' "$report" | grep -q 'Fortify Source functions: no' &&
        printf '%s\n' "$report" | grep 'unprotected:' | grep -qv -E 'unprotected: (mem(cpy|move|set)|readlink)$'; then
        status=1
    fi
done

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
