#!/usr/bin/env bash
# round_e2e.sh: the panels in the real game under Xvfb: both halves open a round with the
# introduction, switch to the play panel after 100 frames, the stamina bar follows a
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

start_round
sleep 0.7
shot intro
for half in right left; do
    n=$(heading_$half "$shot")
    [ "$n" -gt 1000 ] || fail "no introduction heading in the $half half ($n white pixels)"
done

# 100 frames at 50 ms and more: about 5 s, longer on a busy machine
for _ in $(seq 60); do
    sleep 1
    shot play
    [ "$(heading_right "$shot")" -lt 100 ] && break
done
for half in right left; do
    n=$(heading_$half "$shot")
    [ "$n" -lt 100 ] || fail "the introduction still shows in the $half half ($n white pixels)"
done
full_right=$(bar_right "$shot")
full_left=$(bar_left "$shot")
[ "$full_left" -gt 150 ] || fail "no stamina bar in the left half ($full_left)"
[ "$full_right" -gt 150 ] || fail "no stamina bar in the right half ($full_right)"

# cow 2 butts: a held F lunges five steps for 40 stamina and regains nothing while held
key_down f
sleep 1
shot butt
key_up f
low_left=$(bar_left "$shot")
[ "$low_left" -lt $((full_left * 3 / 4)) ] ||
    fail "the left stamina bar did not drop after a head-butt ($full_left -> $low_left)"

for key in F12 F1; do
    key_down "$key"
    sleep 0.6
    shot "controls-$key"
    key_up "$key"
    sleep 0.3
    if [ "$key" = F12 ]; then own=right other=left; else own=left other=right; fi
    n=$(controls_$own "$shot")
    [ "$n" -gt 200 ] || fail "$key: no controls screen in the $own half ($n)"
    n=$(bar_$other "$shot")
    [ "$n" -gt 100 ] || fail "$key: the $other half stopped showing its play panel ($n)"
done

key_down Escape
wait_game
echo "round ok: bars $full_left/$full_right, after the butt $low_left"
