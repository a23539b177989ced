#!/usr/bin/env bash
# replay_test.sh: pasturon-replay end to end: its exit codes and error lines, and the JSON Lines
# trace (members and their order, frame numbers, sounds, removed cells, console text, the
# ground following of the shown halves).
set -euo pipefail
replay=$PASTURON_BUILD/tools/replay/pasturon-replay
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# expect_exit CODE ARGS...: the exit code, one line on stderr, nothing on stdout
expect_exit() {
    local code=$1; shift
    local rc=0
    "$replay" "$@" >out.txt 2>err.txt || rc=$?
    [ "$rc" -eq "$code" ] || fail "exit $rc, not $code, for: $*"
    [ "$(wc -l <err.txt)" -eq 1 ] || fail "not one error line for: $*: $(cat err.txt)"
    [ ! -s out.txt ] || fail "standard output not empty for: $*"
}

# A grass field: cow 1 at (6, 1) with a syringe two cells to its left, cow 2 at (2, 1).
printf '_ _ _ _ _ _ _ _ _ _ \n_ _ _2_ _!_ _1_ _ _ \n_ _ _ _ _ _ _ _ _ _ \n' >field.map
printf '# cow 1 left, cow 2 jump\n1 LEFT T\n19 LEFT\n' >example.txt

expect_exit 2
expect_exit 2 field.map
expect_exit 2 field.map example.txt extra
expect_exit 2 missing.map example.txt
expect_exit 2 field.map missing.txt
expect_exit 2 . example.txt
printf '2 UP\n1 LEFT F13\n' >bad.txt
expect_exit 2 field.map bad.txt
grep -q 'line 2' err.txt || fail "the error line does not name line 2: $(cat err.txt)"
printf '0 UP\n' >zero.txt
expect_exit 2 field.map zero.txt
printf '_ _ _1_ \n' >onecow.map
expect_exit 1 onecow.map example.txt

"$replay" field.map example.txt >trace.jsonl 2>err.txt
[ ! -s err.txt ] || fail "standard error not empty: $(cat err.txt)"
"$replay" field.map example.txt | cmp -s - trace.jsonl || fail "two runs differ"

python3 - trace.jsonl <<'PY'
import json, struct, sys
members = ["x", "y", "z", "facing", "dirX", "dirY", "speed", "maxSpeed", "jumping", "jumpHeight",
           "jumpPhase", "groundHeight", "butting", "buttSteps", "stamina", "stunned", "stunTimer",
           "big", "modelScale", "recovering", "inWater", "leftWater", "carriedHay", "bankedHay",
           "won", "gateBroken", "atOwnGate", "blocked", "syringe"]
flags = {"jumping", "butting", "stunned", "big", "recovering", "inWater", "leftWater", "won",
         "gateBroken", "atOwnGate", "blocked", "syringe"}
class Text(str):  # a float member as printed
    pass
def f32(value):
    return struct.unpack("f", struct.pack("f", value))[0]
lines = open(sys.argv[1]).read().split("\n")
assert lines[-1] == "", "the trace ends with a line feed"
frames = [json.loads(line, parse_float=Text) for line in lines[:-1]]
assert len(frames) == 21, len(frames)
for n, f in enumerate(frames):
    assert list(f) == ["frame", "cows", "sounds", "removed", "console"], list(f)
    assert f["frame"] == n
    assert len(f["cows"]) == 2
    for cow in f["cows"]:
        assert list(cow) == members, list(cow)
        for name, value in cow.items():
            if name in flags:
                assert isinstance(value, bool), name
            else:
                assert not isinstance(value, bool), name
                if isinstance(value, Text):  # %.9g of a 32-bit float
                    assert "%.9g" % f32(float(value)) == value, (name, value)
first = frames[0]
assert first["sounds"] == [] and first["removed"] == [] and first["console"] == ""
assert ["play", "Cow2JumpSoundSource"] in frames[1]["sounds"]
assert frames[1]["cows"][1]["jumping"] is True
# cow 1 walked left over the syringe at (4, 1): taken once, and it carries it
removed = [cell for f in frames for cell in f["removed"]]
assert removed == [[4, 1]], removed
pickup = [f["frame"] for f in frames if ["play", "SyringePickup"] in f["sounds"]]
assert len(pickup) == 1 and frames[pickup[0]]["removed"] == [[4, 1]], pickup
assert frames[pickup[0]]["cows"][0]["syringe"] is True
# then it ran into cow 2 at (2, 1): the injection, once
slow = [f["frame"] for f in frames if f["console"]]
assert len(slow) == 1 and frames[slow[0]]["console"] == "SLOW!", slow
assert ["play", "InjectSyringe"] in frames[slow[0]]["sounds"]
assert frames[slow[0]]["cows"][0]["syringe"] is False
assert float(frames[-1]["cows"][1]["maxSpeed"]) < 0.1
PY

# Both controls keys held: no world view is drawn, so the cows' drawn heights stay put.
printf '3 INSERT F12 F1\n1 INSERT F12\n1 INSERT F1\n' >controls.txt
"$replay" field.map controls.txt >controls.jsonl
python3 - controls.jsonl <<'PY'
import json, sys
frames = [json.loads(line) for line in open(sys.argv[1])]
cow = [f["cows"][0] for f in frames]
assert cow[3]["jumpHeight"] > 0.8
assert cow[3]["z"] == cow[0]["z"], "no half drawn, no ground following"
for n in (4, 5):  # one half shown is enough
    assert abs(cow[n]["z"] - (cow[n]["groundHeight"] + cow[n]["jumpHeight"])) < 1e-6, n
PY
echo "replay end-to-end checks passed"
