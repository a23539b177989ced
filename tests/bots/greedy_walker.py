#!/usr/bin/env python3
"""greedy_walker.py REPLAY MAP [ARGS...]: an opponent from outside the game. It runs
`REPLAY ARGS... MAP -` and steers cow 1 through its standard input one tick at a time: it reads
each frame's trace line, then writes the keys of the next tick (`1 KEYS`). It walks down a
breadth-first path (around everything but hay, pills and its own gates) to the nearest bale,
goes home with 10 or when the hay is gone, and never jumps or butts. Prints the winner (1, 2,
or 0 when nobody won within 6000 ticks) and the ticks played."""
import collections
import json
import subprocess
import sys

replay, map_path, extra = sys.argv[1], sys.argv[2], sys.argv[3:]
rows = [line.rstrip("\n") for line in open(map_path)]
cols = len(rows[0]) // 2
objects = {(c, r): line[2 * c + 1] for r, line in enumerate(rows) for c in range(cols)}
walkable = {cell for cell, obj in objects.items() if obj in " *!+Y@12\\"}
hay = {cell for cell, obj in objects.items() if obj == "*"}
home = next(cell for cell, obj in objects.items() if obj == "1")


def field(targets):
    dist = {t: 0 for t in targets}
    queue = collections.deque(targets)
    while queue:
        c, r = queue.popleft()
        for dc, dr in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            n = (c + dc, r + dr)
            if n in walkable and n not in dist:
                dist[n] = dist[(c, r)] + 1
                queue.append(n)
    return dist


game = subprocess.Popen([replay, *extra, map_path, "-"], stdin=subprocess.PIPE,
                        stdout=subprocess.PIPE, text=True, bufsize=1)
target, dist, winner, frame = None, {}, 0, 0
for frame in range(6000):
    state = json.loads(game.stdout.readline())
    for c, r in state["removed"]:
        hay.discard((c, r))
    me = state["cows"][0]
    if state["cows"][0]["won"] or state["cows"][1]["won"]:
        winner = 1 if state["cows"][0]["won"] else 2
        break
    here = (int(me["x"]), int(me["y"]))
    going_home = me["carriedHay"] >= 10 or not hay
    wanted = "home" if going_home else "hay"
    if target != wanted or (wanted == "hay" and frame % 20 == 0):
        target = wanted
        dist = field([home] if going_home else sorted(hay))
    keys = []
    best = min(((dist.get((here[0] + dc, here[1] + dr), 1 << 30), key)
                for dc, dr, key in ((1, 0, "RIGHT"), (-1, 0, "LEFT"), (0, 1, "DOWN"),
                                    (0, -1, "UP"))), default=None)
    if best and best[0] < (1 << 30):
        keys = [best[1]]
    game.stdin.write("1 " + " ".join(keys) + "\n")
game.stdin.close()
game.stdout.read()
game.wait()
print(winner, frame)
