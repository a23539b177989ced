#!/usr/bin/env bash
# screens_e2e.sh: the play screen of the real game on a small farm, played from a script: both
# halves show the ground with the sky strip between them, and holding F12 changes only the
# right half. (The splash and title screens are checked on the keyboard's way through them,
# tests/shell/flow_e2e.sh.)
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

farm=$E2E_TMP/farm
shadow_data "$farm" _maps
python3 "$PASTURON_SOURCE/tests/lib/small_farm.py" "$farm/_maps/Map02.map"
export PASTURON_DATA=$farm

# past the 100 frames of the introduction, then F12 for one frame
printf '120\n1 F12\n' >"$E2E_TMP/screens.txt"
start_display 1024x768
run_game --play "$E2E_TMP/screens.txt" --timedemo --shot "120:$E2E_TMP/play.png" \
    --shot "121:$E2E_TMP/controls.png"
[ "$GAME_STATUS" = 0 ] || fail "the script ended with $GAME_STATUS: $(cat "$GAME_ERR")"
if [ -d "${PASTURON_SCREENSHOTS:-}" ]; then cp "$E2E_TMP"/*.png "$PASTURON_SCREENSHOTS/"; fi

for x in 398 399 400 401; do
    near "$(pixel "$E2E_TMP/play.png" $x 300)" "153 204 255" || fail "no sky strip at x = $x"
done
for xy in "200 500" "600 500"; do
    near "$(pixel "$E2E_TMP/play.png" $xy)" "153 204 255" 8 && fail "no ground at ($xy)"
done

crop() { convert "$1" -crop "$2" +repage "$E2E_TMP/crop-$3.png"; echo "$E2E_TMP/crop-$3.png"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# the world's top 400 rows are clear of the HUD's counters (whose hay icons turn)
left_before=$(crop "$E2E_TMP/play.png" 398x400+0+0 lb)
left_after=$(crop "$E2E_TMP/controls.png" 398x400+0+0 la)
right_before=$(crop "$E2E_TMP/play.png" 398x600+402+0 rb)
right_after=$(crop "$E2E_TMP/controls.png" 398x600+402+0 ra)
[ "$(differing "$left_before" "$left_after")" = 0 ] || fail "F12 changed the left half"
[ "$(differing "$right_before" "$right_after")" != 0 ] || fail "F12 left the right half as it was"
echo "screens ok"
