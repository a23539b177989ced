#!/usr/bin/env python3
"""small_farm.py MAP_FILE: a 40 x 40 farm with a pond, a wood, a fence line and nothing that
spins: cow 1 at (18, 30), cow 2 at (22, 30). The end-to-end tests of the screens use it."""
import sys

rows = [["_", " "] * 40 for _ in range(40)]


def put(c, r, tile=None, obj=None):
    if tile:
        rows[r][2 * c] = tile
    if obj:
        rows[r][2 * c + 1] = obj


for r in range(16, 20):
    for c in range(14, 18):
        put(c, r, tile="~")  # the pond
    for c in range(22, 26):
        put(c, r, obj="T")  # the wood
for c in range(12, 28):
    put(c, 24, obj="#")  # a fence line
put(18, 30, obj="1")
put(22, 30, obj="2")
open(sys.argv[1], "w").write("".join("".join(r) + "\n" for r in rows))
