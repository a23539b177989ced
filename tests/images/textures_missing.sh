#!/usr/bin/env bash
# textures_missing.sh: the real game started in a copy of its data folder without any texture
# file reports the 23 load failures in catalogue order, then runs: splash, title, play, ESC.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

data="$E2E_TMP/data"
mkdir -p "$data"
cp -r "$PASTURON_DATA"/. "$data"/
rm -rf "$data/textures" "$data/tiles" "$data/splashscreen.bmp"
export PASTURON_DATA="$data"

start_display
start_game
sleep 1

expected=""
for f in splashscreen.bmp tiles/grass.bmp tiles/dirt.bmp tiles/water2a.bmp tiles/x.bmp \
    textures/tritree64.bmp textures/bark64.bmp textures/hayround.bmp textures/hay2B.bmp \
    textures/rock1.bmp textures/rock2.bmp textures/rock3.bmp textures/big_pillx.bmp \
    textures/head_pillx2.bmp textures/snail1.bmp textures/silo1.bmp textures/silo_top.bmp \
    textures/blank.bmp textures/Barn.bmp textures/cowspots.bmp textures/white.bmp \
    textures/horns.bmp textures/cowhide.bmp; do
    expected+="Error: Failed to open DIB file $f."$'\n'
done
[ "$(grep -c . <<<"$expected")" -eq 23 ] || fail "the expected list is not 23 lines"
actual=$(grep '^Error: ' "$GAME_ERR")$'\n'
[ "$actual" = "$expected" ] || fail "texture failures differ:
$(diff <(printf '%s' "$expected") <(printf '%s' "$actual"))"

# the game goes on: splash, then title, then play, still drawing frames (a frame-rate line
# about once a second)
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up: $(cat "$GAME_ERR")"
tap space
tap space
before=$(grep -c fps "$GAME_OUT" || true)
sleep 2.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended in play: $(cat "$GAME_ERR")"
after=$(grep -c fps "$GAME_OUT" || true)
[ "$after" -gt "$before" ] || fail "no frames drawn in play ($before, then $after frame-rate lines)"
key_down Escape
wait_game
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS, not 1"
echo "PASS: 23 texture failures in catalogue order, then the game ran and quit on ESC"
