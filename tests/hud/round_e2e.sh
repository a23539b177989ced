#!/usr/bin/env bash
# round_e2e.sh: the panels in the real game, played from a script: both halves open a round
# with the introduction, switch to the play panel after 100 frames, the stamina bar follows a
# head-butt, and F12 / F1 show the controls screen in their own half only.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
source "$PASTURON_SOURCE/tests/hud/hud_shots.sh"

# The 800 x 600 window: cow 2 in x 0..397, cow 1 in x 402..801 (the panels' own coordinates
# mapped through each half's projection).
heading_right() { white_pixels "$1" 437 30 345 60; } # "PLAYER:", y 0.7..0.9
heading_left() { white_pixels "$1" 35 30 343 60; }
bar_right() { white_pixels "$1" 421 440 3 135; }     # stamina bar column above y -0.9
bar_left() { white_pixels "$1" 19 440 3 135; }
controls_right() { white_pixels "$1" 482 300 160 30; } # "CONTROLS", lower half of the view
controls_left() { white_pixels "$1" 80 300 160 30; } # (the world behind may hold white too)

# frames 1..5 and on to 110 with no key; cow 2 holds F (a lunge of five steps for 40 stamina,
# nothing regained while held); F12, then F1, held for 12 frames each
printf '110\n20 F\n12 F12\n3\n12 F1\n' >"$E2E_TMP/round.txt"
play_round "$E2E_TMP/round.txt" 5=intro 110=play 130=butt 142=controls-F12 157=controls-F1

for half in right left; do
    n=$(heading_$half "$E2E_TMP/intro.png")
    [ "$n" -gt 1000 ] || fail "no introduction heading in the $half half ($n white pixels)"
    n=$(heading_$half "$E2E_TMP/play.png")
    [ "$n" -lt 100 ] || fail "the introduction still shows in the $half half ($n white pixels)"
done
full_right=$(bar_right "$E2E_TMP/play.png")
full_left=$(bar_left "$E2E_TMP/play.png")
[ "$full_left" -gt 150 ] || fail "no stamina bar in the left half ($full_left)"
[ "$full_right" -gt 150 ] || fail "no stamina bar in the right half ($full_right)"
low_left=$(bar_left "$E2E_TMP/butt.png")
[ "$low_left" -lt $((full_left * 3 / 4)) ] ||
    fail "the left stamina bar did not drop after a head-butt ($full_left -> $low_left)"

for key in F12 F1; do
    if [ "$key" = F12 ]; then own=right other=left; else own=left other=right; fi
    n=$(controls_$own "$E2E_TMP/controls-$key.png")
    [ "$n" -gt 200 ] || fail "$key: no controls screen in the $own half ($n)"
    n=$(bar_$other "$E2E_TMP/controls-$key.png")
    [ "$n" -gt 100 ] || fail "$key: the $other half stopped showing its play panel ($n)"
done
echo "round ok: bars $full_left/$full_right, after the butt $low_left; $(tail -1 "$GAME_OUT")"
