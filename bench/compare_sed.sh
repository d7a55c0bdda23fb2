#!/usr/bin/env bash
# End-to-end benchmark: iconsmith-cli inserting the favicon into a generated site, against a plain
# find/sed insertion on an identical copy, then a second iconsmith-cli run that has nothing to do.
#
#   bench/compare_sed.sh [BUILD_DIR] [PAGES] [PAGE_KB]
#
# BUILD_DIR defaults to ./build (it must hold bin/iconsmith-cli, built with optimisation), PAGES to
# 10000, PAGE_KB to 20. The sites live in a temporary folder below $TMPDIR (default /tmp) that is
# removed afterwards. Needs python3 and GNU time (/usr/bin/time, Debian package "time").
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
pages="${2:-10000}"
page_kb="${3:-20}"
cli="$build/bin/iconsmith-cli"
[ -x "$cli" ] || { echo "iconsmith-cli fehlt: $cli" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time fehlt (Debian-Paket time)" >&2; exit 2; }

work="$(mktemp -d "${TMPDIR:-/tmp}/iconsmith-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# A private copy of the program, so options.ini and Application.log beside it are the benchmark's.
mkdir "$work/programm"
cp "$cli" "$work/programm/iconsmith-cli"

echo "Erzeuge zwei gleiche Sites mit je $pages Seiten zu etwa $page_kb KB ..."
python3 "$here/make_site.py" "$work/sed" --pages "$pages" --page-kb "$page_kb"
python3 "$here/make_site.py" "$work/cli" --pages "$pages" --page-kb "$page_kb"
if ! diff -rq "$work/sed" "$work/cli" >/dev/null; then
    echo "Die beiden Sites unterscheiden sich" >&2
    exit 1
fi
# Both copies start from a warm page cache, so neither run pays for the other's disk reads.
find "$work/sed" "$work/cli" -type f -exec cat {} + >/dev/null
sync

# Peak resident set size in KB and CPU seconds (user + system) of one command; its output goes to
# $work/stdout.txt and $work/stderr.txt.
measure() {
    local report="$work/time.txt"
    /usr/bin/time -f "%M %U %S" -o "$report" "$@" >"$work/stdout.txt" 2>"$work/stderr.txt" || {
        echo "Fehlgeschlagen: $*" >&2
        cat "$work/stderr.txt" >&2
        exit 1
    }
    awk '{ printf "%s %.2f\n", $1, $2 + $3 }' "$report"
}

# Wall-clock time with milliseconds (GNU time's %e has only hundredths).
now() { date +%s.%N; }
elapsed() { echo "$1 $2" | awk '{ printf "%.3f", $2 - $1 }'; }

start=$(now)
read -r sed_kb sed_cpu < <(measure find "$work/sed" -name '*.htm*' -exec sed -i \
    's|<head>|<head><link rel="SHORTCUT ICON" href="favicon.ico">|' {} +)
sed_s=$(elapsed "$start" "$(now)")

start=$(now)
read -r cli_kb cli_cpu < <(measure "$work/programm/iconsmith-cli" "$work/cli")
cli_s=$(elapsed "$start" "$(now)")
changed=$(tail -n 1 "$work/stdout.txt")

start=$(now)
read -r second_kb second_cpu < <(measure "$work/programm/iconsmith-cli" "$work/cli")
second_s=$(elapsed "$start" "$(now)")
second_changed=$(tail -n 1 "$work/stdout.txt")

with_element=$(grep -rl --include='*.htm*' 'SHORTCUT ICON" href="' "$work/cli" | wc -l)

ratio() { echo "$1 $2" | awk '{ printf "%.2f", $1 / $2 }'; }
echo
echo "Seiten:                          $pages (je etwa $page_kb KB), $with_element mit Favicon-Element"
echo "                                 Wanduhr        CPU          Spitze"
echo "find/sed:                        ${sed_s} s    ${sed_cpu} s    ${sed_kb} KB"
echo "iconsmith-cli, Einfügen:         ${cli_s} s    ${cli_cpu} s    ${cli_kb} KB" \
    " -> $(ratio "$cli_s" "$sed_s") x sed (CPU $(ratio "$cli_cpu" "$sed_cpu") x)"
echo "    $changed"
echo "iconsmith-cli, zweiter Lauf:     ${second_s} s    ${second_cpu} s    ${second_kb} KB" \
    " -> $(ratio "$second_s" "$sed_s") x sed (CPU $(ratio "$second_cpu" "$sed_cpu") x)"
echo "    $second_changed"
echo "Ziele: Einfügen <= 1.0 x sed, zweiter Lauf <= 0.3 x sed, Spitze <= 65536 KB"
