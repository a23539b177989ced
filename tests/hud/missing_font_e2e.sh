#!/usr/bin/env bash
# missing_font_e2e.sh: the real game started in a folder without "fonts/arial.ttf" writes
# "Failed to open font fonts/arial.ttf" (no newline) to standard error and ends with status 1,
# after the sounds have loaded and before any texture is read (file opens traced with strace).
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

start_display
game_dir="$E2E_TMP/game"
mkdir -p "$game_dir"
if [ -d "$PASTURON_DATA" ]; then
    cp -r "$PASTURON_DATA"/. "$game_dir"/
fi
rm -rf "$game_dir/fonts"

opens="$E2E_TMP/opens"
status=0
(cd "$game_dir" &&
    exec timeout 60 strace -f -qq -o "$opens" -e trace=open,openat "$PASTURON_BIN") \
    >"$GAME_OUT" 2>"$GAME_ERR" || status=$?

[ "$status" = 1 ] || fail "exit status $status, not 1 (stderr: $(cat "$GAME_ERR"))"
printf 'Failed to open font fonts/arial.ttf' | cmp -s - "$GAME_ERR" ||
    fail "standard error is not the font message alone: $(od -c "$GAME_ERR" | head -5)"

font_line=$(grep -n '"fonts/arial.ttf"' "$opens" | head -1 | cut -d: -f1)
[ -n "$font_line" ] || fail "the game never tried to open fonts/arial.ttf"
last_sound=$(grep -n '"sounds/' "$opens" | tail -1 | cut -d: -f1)
if [ -d "$game_dir/sounds" ] && [ -z "$last_sound" ]; then
    fail "no sound was loaded before the font"
fi
if [ -n "$last_sound" ] && [ "$last_sound" -gt "$font_line" ]; then
    fail "a sound was read after the font"
fi
if grep -E '"(textures/|tiles/|splashscreen\.bmp)' "$opens"; then
    fail "a texture was read before the font failure ended the game"
fi
echo "missing font ok: status 1, stderr '$(cat "$GAME_ERR")', sounds before the font: ${last_sound:+yes}"
