#!/usr/bin/env bash
# map_startup.sh: the real game with its map: a refused map at start-up ends it with status 1
# and one line naming file, line and reason; a map broken while the game runs is refused on N
# and the round goes on; the mended map loads again on N.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

# A data folder of our own: the game's assets, and a map we can break.
data="$E2E_TMP/data"
mkdir -p "$data/_maps"
for entry in "$PASTURON_DATA"/*; do
    [ "$(basename "$entry")" = _maps ] || ln -s "$entry" "$data/"
done
farm="$PASTURON_DATA/_maps/Map02.map"
map="$data/_maps/Map02.map"
export PASTURON_DATA="$data"
start_display

# start-up with a map that has no cow 2
tr 2 ' ' <"$farm" >"$map"
status=0
(cd "$data" && timeout 60 "$PASTURON_BIN") >"$E2E_TMP/refused.out" 2>"$E2E_TMP/refused.err" ||
    status=$?
[ "$status" -eq 1 ] || fail "start-up with a refused map ended with status $status, not 1"
grep -qx "Map _maps/Map02.map: there is no cow 2 ('2')" "$E2E_TMP/refused.err" ||
    fail "no refusal line at start-up: $(cat "$E2E_TMP/refused.err")"

# the farm loads; a broken edit is refused on N and the game goes on
cp "$farm" "$map"
start_game
printf '_1_2\n______\n' >"$map"
tap n
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after N with a broken map"
grep -q "^Map _maps/Map02.map, line 1: the line holds 2 cells, fewer than the 3" "$GAME_ERR" ||
    fail "no refusal line on N: $(cat "$GAME_ERR")"

# mended, it loads again on N: no new refusal line, the game still runs, ESC ends it
cp "$farm" "$map"
refusals=$(grep -c '^Map ' "$GAME_ERR")
tap n
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after N with the farm"
[ "$(grep -c '^Map ' "$GAME_ERR")" -eq "$refusals" ] || fail "the farm was refused on N"
tap Escape
wait_game
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS"
echo "ok"
