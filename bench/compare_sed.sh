#!/usr/bin/env bash
# End-to-end benchmark: iconsmith-cli inserting the favicon into a generated site, against a plain
# find/sed insertion on an identical copy, then a second iconsmith-cli run that has nothing to do.
#
#   bench/compare_sed.sh [BUILD_DIR] [PAGES] [PAGE_KB] [ROUNDS]
#
# BUILD_DIR defaults to ./build (it must hold bin/iconsmith-cli, built with optimisation), PAGES to
# 10000, PAGE_KB to 20, ROUNDS to 3 (each round on fresh copies; the median ratio is the result).
# The sites live in a temporary folder below $TMPDIR (default /tmp) that is removed afterwards.
# Needs python3 and GNU time (/usr/bin/time, Debian package "time").
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
pages="${2:-10000}"
page_kb="${3:-20}"
rounds="${4:-3}"
cli="$build/bin/iconsmith-cli"
[ -x "$cli" ] || { echo "iconsmith-cli fehlt: $cli" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time fehlt (Debian-Paket time)" >&2; exit 2; }

work="$(mktemp -d "${TMPDIR:-/tmp}/iconsmith-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# A private copy of the program, so options.ini and Application.log beside it are the benchmark's.
mkdir "$work/programm"
cp "$cli" "$work/programm/iconsmith-cli"

echo "Erzeuge eine Site mit $pages Seiten zu etwa $page_kb KB ..."
python3 "$here/make_site.py" "$work/vorlage" --pages "$pages" --page-kb "$page_kb"

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
ratio() { echo "$1 $2" | awk '{ printf "%.2f", $1 / $2 }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

insert_ratios=()
second_ratios=()
peak_kb=0
printf '\n%-6s %-22s %-28s %-28s\n' "Runde" "find/sed" "iconsmith-cli" "iconsmith-cli, 2. Lauf"
for round in $(seq 1 "$rounds"); do
    rm -rf "$work/sed" "$work/cli"
    cp -a "$work/vorlage" "$work/sed"
    cp -a "$work/vorlage" "$work/cli"
    # Both copies start from a warm page cache, and each timed run starts with nothing left to
    # write back from the one before it.
    find "$work/sed" "$work/cli" -type f -exec cat {} + >/dev/null
    sync

    start=$(now)
    read -r sed_kb sed_cpu < <(measure find "$work/sed" -name '*.htm*' -exec sed -i \
        's|<head>|<head><link rel="SHORTCUT ICON" href="favicon.ico">|' {} +)
    sed_s=$(elapsed "$start" "$(now)")
    sync

    start=$(now)
    read -r cli_kb cli_cpu < <(measure "$work/programm/iconsmith-cli" "$work/cli")
    cli_s=$(elapsed "$start" "$(now)")
    cli_changed=$(tail -n 1 "$work/stdout.txt" | grep -o '[0-9]\+')
    sync

    start=$(now)
    read -r second_kb second_cpu < <(measure "$work/programm/iconsmith-cli" "$work/cli")
    second_s=$(elapsed "$start" "$(now)")
    second_changed=$(tail -n 1 "$work/stdout.txt" | grep -o '[0-9]\+')
    [ "$second_changed" = 0 ] || { echo "Zweiter Lauf hat $second_changed Seiten geändert" >&2; exit 1; }

    sed_changed=$(grep -rl --include='*.htm*' 'href="favicon.ico"' "$work/sed" | wc -l)
    insert_ratios+=("$(ratio "$cli_s" "$sed_s")")
    second_ratios+=("$(ratio "$second_s" "$sed_s")")
    for kb in "$cli_kb" "$second_kb"; do [ "$kb" -gt "$peak_kb" ] && peak_kb=$kb; done
    printf '%-6s %-22s %-28s %-28s\n' "$round" \
        "${sed_s} s (CPU ${sed_cpu})" \
        "${cli_s} s (CPU ${cli_cpu}) $(ratio "$cli_s" "$sed_s")x" \
        "${second_s} s (CPU ${second_cpu}) $(ratio "$second_s" "$sed_s")x"
done

echo
echo "Geänderte Seiten: sed $sed_changed, iconsmith-cli $cli_changed (von $pages; sed übergeht"
echo "  .shtml und <HEAD>, iconsmith-cli frischt vorhandene Verweise auf und lässt Seiten ohne"
echo "  <head> unberührt)."
echo "Pro geänderter Seite: sed $(echo "$sed_s $sed_changed" | awk '{ printf "%.2f", 1000 * $1 / $2 }') ms," \
    "iconsmith-cli $(echo "$cli_s $cli_changed" | awk '{ printf "%.2f", 1000 * $1 / $2 }') ms (letzte Runde)"
echo "Median iconsmith-cli / sed:       Einfügen $(median "${insert_ratios[@]}")x," \
    "zweiter Lauf $(median "${second_ratios[@]}")x"
echo "Spitze des Arbeitsspeichers:      ${peak_kb} KB (sed ${sed_kb} KB)"
echo "Ziele: Einfügen <= 1.0x sed, zweiter Lauf <= 0.3x sed, Spitze <= 65536 KB"
