#!/bin/sh
# Runs every benchmark of a build and prints one table: per case the median,
# minimum and maximum wall-clock time over its runs, the instructions of one
# run counted by callgrind (where valgrind is installed), the process's peak
# resident memory, and the target.
#   tools/bench.sh [BUILD_DIR]
set -e
build=${1:-build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen

have_valgrind=
command -v valgrind >/dev/null 2>&1 && have_valgrind=yes

for exe in "$build"/tests/bench_*; do
    [ -x "$exe" ] || continue
    for case in $("$exe" -functions 2>/dev/null | sed -n 's/()$//p'); do
        line=$("$exe" "$case" 2>/dev/null | grep '^BENCH ' | head -n 1 | cut -c7-)
        [ -n "$line" ] || { echo "no result from $exe $case" >&2; exit 1; }
        instructions=-
        if [ -n "$have_valgrind" ]; then
            MESTREL_BENCH_CALLGRIND=1 valgrind --tool=callgrind --collect-atstart=no \
                --callgrind-out-file="$out/cg" "$exe" "$case" >/dev/null 2>&1 || true
            instructions=$(sed -n 's/^summary: *//p; s/^totals: *//p' "$out/cg" | head -n 1)
            # A case that runs a program of its own counts nothing here.
            [ "$instructions" = 0 ] && instructions=-
            rm -f "$out/cg"
        fi
        echo "$line|${instructions:--}" >> "$out/results"
    done
done

awk -F'|' '
BEGIN {
    printf "%-52s %9s %9s %9s %14s %9s %9s  %s\n", "Case", "median", "min", "max",
           "instructions", "peak MB", "target", ""
}
{
    met = ($3 <= $2) ? "ok" : "MISSED"
    printf "%-52s %7.2fms %7.2fms %7.2fms %14s %9.1f %7gms  %s\n", $1, $3, $4, $5,
           $7, $6 / 1024, $2, met
    if (met != "ok") missed++
}
END {
    if (missed) printf "\n%d case(s) above target (median).\n", missed
}' "$out/results"
