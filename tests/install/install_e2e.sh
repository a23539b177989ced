#!/usr/bin/env bash
# install_e2e.sh: `cmake --install` into a fresh prefix lays out a game that runs: the program,
# every file of the build's data folder, a menu entry, AppStream description and manual page
# that their checkers pass, icons of the right sizes and an SVG that looks like them. The
# installed game started in a folder without data finds its own, shows the splash, reaches the
# title screen and ends with status 1 on ESC; the built game finds $PASTURON_DATA from any
# folder; with no data anywhere it names the folders it tried on one line, status 1.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

prefix=$E2E_TMP/prefix
cmake --install "$PASTURON_BUILD" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    fail "cmake --install: $(tail -5 "$E2E_TMP/install.log")"
installed_game=$prefix/games/pasturon
data=$prefix/share/games/pasturon
[ -x "$installed_game" ] || fail "no program at $installed_game"

# the data: every file of the build's data folder, byte for byte (the font through its link)
files=0
while read -r file; do
    cmp -s "$PASTURON_DATA/$file" "$data/$file" || fail "$file is not installed as built"
    files=$((files + 1))
done < <(cd "$PASTURON_DATA" && find . -type f)
[ "$files" -gt 20 ] || fail "only $files files in the build's data folder"
[ -L "$data/fonts/arial.ttf" ] || fail "fonts/arial.ttf is a copy, not a link to the system's font"

# the desktop's files
desktop-file-validate "$prefix/share/applications/pasturon.desktop" ||
    fail "desktop-file-validate refuses the menu entry"
appstreamcli validate --no-net "$prefix/share/metainfo/pasturon.metainfo.xml" >"$E2E_TMP/as.log" ||
    fail "appstreamcli: $(cat "$E2E_TMP/as.log")"
manual=$prefix/share/man/man6/pasturon.6.gz
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
for section in NAME SYNOPSIS OPTIONS KEYS FILES ENVIRONMENT "EXIT STATUS"; do
    man -l "$manual" 2>/dev/null | grep -q "^$section" || fail "no $section in the manual page"
done
icons=$prefix/share/icons/hicolor
for size in 48 128 256; do
    got=$(identify -format '%w %h %[channels]' "$icons/${size}x${size}/apps/pasturon.png")
    [ "$got" = "$size $size srgba" ] || fail "the ${size} px icon is '$got'"
done
rsvg-convert -w 256 -h 256 "$icons/scalable/apps/pasturon.svg" -o "$E2E_TMP/svg.png" ||
    fail "the SVG icon does not render"
difference=$(compare -metric RMSE "$E2E_TMP/svg.png" "$icons/256x256/apps/pasturon.png" null: 2>&1 |
    sed 's/.*(\(.*\))/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' ||
    fail "the SVG and the 256 px icon differ by $difference"

# the installed game from a folder without data, with no $PASTURON_DATA
build_data=$PASTURON_DATA
unset PASTURON_DATA
elsewhere=$E2E_TMP/elsewhere
mkdir -p "$elsewhere"
start_display
GAME_DIR=$elsewhere
PASTURON_BIN=$installed_game start_game
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the installed game ended: $(cat "$GAME_ERR")"
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$data" ] ||
    fail "the installed game runs in $(readlink "/proc/$GAME_PID/cwd"), not in $data"
space_leaves_splash
near "$(pixel "$E2E_TMP/splash.png" 400 300)" "153 204 255" 0 &&
    fail "no splash picture: the window showed the sky colour"
escape_ends_game

# the built game from the same folder, its data named by $PASTURON_DATA
start_display # a fresh server: the last one may be resetting after its last client left
PASTURON_DATA=$build_data start_game
kill -0 "$GAME_PID" 2>/dev/null || fail "the game with \$PASTURON_DATA ended: $(cat "$GAME_ERR")"
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$(cd "$build_data" && pwd -P)" ] ||
    fail "the game with \$PASTURON_DATA runs in $(readlink "/proc/$GAME_PID/cwd")"
escape_ends_game

# no data anywhere: one line naming the folders, status 1, no display needed
status=0
(cd "$elsewhere" && DISPLAY= PASTURON_DATA=$E2E_TMP/none "$PASTURON_BIN") \
    >"$E2E_TMP/none.out" 2>"$E2E_TMP/none.err" || status=$?
[ "$status" = 1 ] || fail "with no data the game ended with status $status"
[ "$(wc -l <"$E2E_TMP/none.err")" = 1 ] || fail "with no data: $(cat "$E2E_TMP/none.err")"
for folder in "($elsewhere)" "$E2E_TMP/none (\$PASTURON_DATA)" "(installed)"; do
    grep -qF -- "$folder" "$E2E_TMP/none.err" ||
        fail "the line does not name $folder: $(cat "$E2E_TMP/none.err")"
done
echo "installed: $files data files, game ran from $elsewhere; no data: $(cat "$E2E_TMP/none.err")"
