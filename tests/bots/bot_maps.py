#!/usr/bin/env python3
"""bot_maps.py FOLDER: the maps the computer player's tests play on besides the farm: a maze of
fences, a barn and silos in the way, a river across the shortest way, pens with gates, hills
and walls, a field fenced all round. Each holds more than the 60 bales a win needs. Writes
FOLDER/NAME.map for each."""
import os
import sys


class Map:
    def __init__(self, columns, rows, tile="_"):
        self.cells = [[[tile, " "] for _ in range(columns)] for _ in range(rows)]
        self.columns, self.rows = columns, rows

    def put(self, c, r, obj=None, tile=None):
        if obj:
            self.cells[r][c][1] = obj
        if tile:
            self.cells[r][c][0] = tile

    def hay(self, c0, r0, c1, r1, step=2):
        for r in range(r0, r1 + 1, step):
            for c in range(c0, c1 + 1, step):
                if self.cells[r][c][1] == " ":
                    self.put(c, r, "*")

    def text(self):
        return "".join("".join(a + b for a, b in row) + "\n" for row in self.cells)


def maze():
    # Walls of tall fence across the field, each open at one end, the ends alternating, and
    # fences a cow can jump; the hay lies deep in the maze and past the last wall.
    m = Map(46, 30)
    for i, c in enumerate(range(8, 40, 6)):
        gap = range(1, 4) if i % 2 else range(26, 29)
        for r in range(30):
            if r not in gap:
                m.put(c, r, "F")
        for r in range(5, 25, 6):
            m.put(c + 3, r, "#")
            m.put(c + 3, r + 1, "#")
    m.hay(41, 1, 45, 29)
    for c in range(16, 40, 6):
        m.hay(c, 1, c, 29, 4)
    m.put(2, 15, "1")
    m.put(4, 15, "2")
    return m


def barn():
    # A barn and two silos between the homes and the hay, tall fence beside them.
    m = Map(50, 36)
    m.put(24, 18, "B")
    m.put(24, 7, "I")
    m.put(24, 29, "I")
    for r in list(range(0, 5)) + list(range(10, 15)) + list(range(22, 26)) + list(range(32, 36)):
        m.put(24, r, "T")
    m.hay(34, 2, 48, 34)
    m.put(6, 17, "1")
    m.put(6, 20, "2")
    return m


def river():
    # A river across the whole map between the homes and the hay, with one ford of dirt at the
    # far end and rocks on its banks.
    m = Map(50, 36)
    for r in range(36):
        for c in range(18, 26):
            m.put(c, r, tile="~" if r < 33 else ".")
    for r in range(0, 36, 3):
        m.put(17, r, "o")
    m.hay(30, 1, 48, 34)
    m.put(4, 6, "1")
    m.put(8, 6, "2")
    return m


def pens():
    # Each home in a pen of tall fence with its own gate; the hay outside and in the middle.
    m = Map(52, 36)
    for (c0, gate, home, cow) in ((2, "\\", 8, "1"), (38, "/", 44, "2")):
        for c in range(c0, c0 + 13):
            m.put(c, 10, "F")
            m.put(c, 24, "F")
        for r in range(10, 25):
            m.put(c0, r, "F")
            m.put(c0 + 12, r, "F")
        side = c0 + 12 if cow == "1" else c0
        for r in range(16, 19):
            m.put(side, r, gate)
        m.put(home, 17, cow)
    m.hay(17, 2, 35, 33)
    return m


def hills():
    # Hills, walls to walk on, rocks and fences to jump, trees in lines, a snail and a syringe.
    m = Map(48, 40)
    for r in range(40):
        for c in range(48):
            if 12 <= c < 16:
                m.put(c, r, tile="e")
            if 16 <= c < 19 and r % 10 < 7:
                m.put(c, r, tile="W")
            if 30 <= c < 33:
                m.put(c, r, tile="E")
    for r in range(40):
        if r % 8 != 4:
            m.put(22, r, "#")
        if r % 8 != 0:
            m.put(26, r, "T")
    for r in range(2, 40, 5):
        m.put(8, r, "o")
    m.put(10, 10, "!")
    m.put(10, 30, "@")
    m.hay(34, 1, 46, 38)
    m.hay(1, 36, 10, 38)
    m.put(3, 3, "1")
    m.put(5, 5, "2")
    return m


def ring():
    # The hay shut in by fences and rocks with no way through: only a jump gets in, and a belt
    # of water lies inside.
    m = Map(40, 30)
    for c in range(18, 40):
        m.put(c, 5, "#")
        m.put(c, 25, "o")
    for r in range(5, 26):
        m.put(18, r, "#" if r % 2 else "o")
    for r in range(7, 24):
        for c in range(20, 23):
            m.put(c, r, tile="~")
    m.hay(25, 7, 38, 23)
    m.put(4, 15, "1")
    m.put(8, 15, "2")
    return m


MAPS = {"maze": maze, "barn": barn, "river": river, "pens": pens, "hills": hills, "ring": ring}

if __name__ == "__main__":
    folder = sys.argv[1]
    for name, make in MAPS.items():
        with open(os.path.join(folder, name + ".map"), "w") as f:
            f.write(make().text())
