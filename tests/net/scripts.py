#!/usr/bin/env python3
"""scripts.py: key scripts for the network tests, and the script both machines' keys make.

scripts.py play SEED TICKS COW FILE   a varied script for cow COW (1 or 2): runs of walking,
                                      turning, jumps, head-butts and the controls key, with a
                                      few keys of the other cow mixed in (the peer ignores them)
scripts.py merge HOST JOIN FILE [DELAY1 DELAY2]
                                      the keys the session plays: cow 1's from HOST, cow 2's
                                      from JOIN, as long as HOST (JOIN holding nothing after
                                      its end), each cow's held back by its machine's input
                                      delay; as pasturon-replay reads it
"""
import random
import sys

# each cow's action codes: up, down, left, right, jump, butt, controls
ACTIONS = {1: ["UP", "DOWN", "LEFT", "RIGHT", "INSERT", "DELETE", "F12"],
           2: ["W", "S", "A", "D", "T", "F", "F1"]}
NAMES = {"UP": 38, "DOWN": 40, "LEFT": 37, "RIGHT": 39, "INSERT": 45, "DELETE": 46, "F12": 123,
         "F1": 112, "SPACE": 32, "ESCAPE": 27}


def code(name):
    if name.isdigit():
        return int(name)
    name = name.upper()
    return NAMES[name] if name in NAMES else ord(name)


def play(seed, ticks, cow, path):
    rng = random.Random(seed)
    mine, other = ACTIONS[cow], ACTIONS[3 - cow]
    lines, left = ["# cow %d, seed %d\n" % (cow, seed)], ticks
    while left > 0:
        n = min(left, rng.choice([1, 2, 3, 5, 8, 13, 20, 30]))
        keys = set()
        if rng.random() < 0.8:
            keys.add(rng.choice(mine[:4]))  # walk
        if rng.random() < 0.3:
            keys.add(rng.choice(mine[:4]))  # and turn
        if rng.random() < 0.2:
            keys.add(mine[4])  # jump
        if rng.random() < 0.2:
            keys.add(mine[5])  # head-butt
        if rng.random() < 0.04:
            keys.add(mine[6])  # the controls screen (no ground following for that half)
        if rng.random() < 0.1:
            keys.add(rng.choice(other))  # the other cow's key: not this machine's to send
        lines.append("%d %s\n" % (n, " ".join(sorted(keys))))
        left -= n
    open(path, "w").write("".join(lines))


def ticks_of(path):
    """The held key codes of each tick of a script."""
    out = []
    for line in open(path):
        words = line.split("#")[0].split()
        if words:
            out += [{code(w) for w in words[1:]}] * int(words[0])
    return out


def merge(host, join, path, delay1=0, delay2=0):
    cow1 = {code(k) for k in ACTIONS[1]}
    cow2 = {code(k) for k in ACTIONS[2]}
    first, second = ticks_of(host), ticks_of(join)

    def keys_at(ticks, t):
        return ticks[t] if 0 <= t < len(ticks) else set()

    with open(path, "w") as f:
        for t in range(len(first)):
            held = (keys_at(first, t - delay1) & cow1) | (keys_at(second, t - delay2) & cow2)
            f.write("1 %s\n" % " ".join(str(k) for k in sorted(held)))


if __name__ == "__main__":
    if sys.argv[1] == "play":
        play(int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), sys.argv[5])
    else:
        merge(sys.argv[2], sys.argv[3], sys.argv[4], *[int(d) for d in sys.argv[5:7]])
