#!/usr/bin/env bash
# Takes the screenshots in docs/: Iconsmith's main window after filling the list from a small
# sample site, the icon picker and the info dialog. Runs the program on a private Xvfb with a
# window manager and drives it with key presses (its accelerators), like a user would.
#
#   scripts/screenshots.sh [BUILD_DIR]      (default: build; the program must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
build="${1:-build}"
program="$repo/$build/bin/iconsmith"
[ -x "$program" ] || { echo "Programm fehlt: $program (erst bauen)" >&2; exit 1; }
command -v import >/dev/null || { echo "ImageMagick (import) fehlt" >&2; exit 1; }

work="$(mktemp -d /tmp/web-XXXX)"
trap 'rm -rf "$work"' EXIT
# A site of its own, and settings of their own, so the user's files stay untouched.
cp -r "$repo/tests/iconsmith/sample_site" "$work/Vereinsseite"
mkdir -p "$work/config"

cat >"$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
program="$1" site="$2" docs="$3"
export XDG_CONFIG_HOME="$4" LANG=de_DE.UTF-8

wait_for() {  # wait_for TITLE: the window id once a window with exactly this title is mapped
    local id=""
    for _ in $(seq 1 300); do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "Fenster \"$1\" erscheint nicht" >&2
    return 1
}
shoot() {  # shoot WINDOW_ID FILE
    sleep 0.6
    import -frame -window "$1" "$2"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
wait_for Iconsmith >/dev/null
sleep 1.5
# First start: the backup warning (titled like the program) is on top; OK closes it. Then the
# main window is the only one with that title.
xdotool key --clearmodifiers Return
sleep 0.5
main="$(wait_for Iconsmith)"
xdotool windowactivate --sync "$main" 2>/dev/null || true

# "&Pfad": the folder chooser takes the path typed into its name field.
xdotool key --clearmodifiers alt+p
sleep 1.5
xdotool type --delay 5 "$site"
xdotool key Return
sleep 2
xdotool windowactivate --sync "$main" 2>/dev/null || true
# In the list: untick the second entry and leave the third selected.
xdotool key --clearmodifiers alt+a
sleep 0.2
xdotool key --clearmodifiers alt+l
sleep 0.2
xdotool key Home Down space Down
sleep 0.3
shoot "$main" "$docs/iconsmith-main.png"

# "&Wählen ...": the icon picker; select an icon with the arrow keys, then Abbrechen (Escape).
xdotool key --clearmodifiers alt+w
picker="$(wait_for 'Iconsmith - Icon-Auswahl .511 St.*ck.')"
sleep 1
xdotool key Right Right Right
shoot "$picker" "$docs/iconsmith-icon-auswahl.png"
xdotool key Escape
sleep 0.5

# "&Info": the info dialog.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --clearmodifiers alt+i
info="$(wait_for 'Info .*ber Iconsmith')"
shoot "$info" "$docs/iconsmith-info.png"
DRIVE
chmod +x "$work/drive.sh"

mkdir -p "$repo/docs"
"$repo/tests/support/with_xvfb.sh" --wm "$work/drive.sh" "$program" "$work/Vereinsseite" \
    "$repo/docs" "$work/config"
ls -l "$repo"/docs/iconsmith-*.png
