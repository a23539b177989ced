#!/usr/bin/env python3
"""busy_field.py: a small field where every rule is met often, and random scripts of play.

busy_field.py map MAP_FILE
    A 24 x 14 field: a pond, 60 hay bales, syringes, grow, snail and head pills, rocks and
    fences, cow 1 at (19, 7), cow 2 at (4, 7), and each cow's gates both at its own home and
    around the rival's, so that random play opens, butts and breaks them.
busy_field.py script SCRIPT_FILE SEED TICKS
    A replay script of TICKS play frames of random held keys for both cows (runs of 1 to 12
    frames, now and then a controls key), the same for the same SEED.
"""
import random
import sys

COLUMNS, ROWS = 24, 14


def busy_map(path):
    rng = random.Random(7)
    cells = [["_", " "] for _ in range(COLUMNS * ROWS)]

    def at(c, r):
        return cells[r * COLUMNS + c]

    for c in range(9, 15):
        for r in range(5, 9):
            at(c, r)[0] = "~"  # the pond
    for c in range(COLUMNS):
        at(c, 0)[0] = at(c, ROWS - 1)[0] = "."  # dirt tracks
    at(19, 7)[1] = "1"
    at(4, 7)[1] = "2"
    for c, r in ((16, 7), (2, 7), (4, 5), (4, 9)):  # cow 1's gates
        at(c, r)[1] = "\\"
    for c, r in ((7, 7), (21, 7), (19, 5), (19, 9)):  # cow 2's gates
        at(c, r)[1] = "/"
    items = "*" * 60 + "!!!!!!++++@@YYoo##"
    free = [(c, r) for c in range(1, COLUMNS - 1) for r in range(1, ROWS - 1) if at(c, r)[1] == " "]
    for item, (c, r) in zip(items, rng.sample(free, len(items))):
        at(c, r)[1] = item
    with open(path, "w") as out:
        for r in range(ROWS):
            out.write("".join(t + o for t, o in (at(c, r) for c in range(COLUMNS))) + "\n")


def random_script(path, seed, ticks):
    rng = random.Random(seed)
    cow1 = ["UP", "DOWN", "LEFT", "RIGHT", "INSERT", "DELETE"]
    cow2 = ["W", "S", "A", "D", "T", "F"]
    done = 0
    with open(path, "w") as out:
        while done < ticks:
            frames = min(rng.randint(1, 12), ticks - done)
            keys = rng.sample(cow1, rng.choice([0, 1, 1, 2, 2, 3]))
            keys += rng.sample(cow2, rng.choice([0, 1, 1, 2, 2, 3]))
            for controls in ("F12", "F1"):
                if rng.random() < 0.03:
                    keys.append(controls)
            out.write("%d %s\n" % (frames, " ".join(keys)))
            done += frames


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "map":
        busy_map(sys.argv[2])
    elif len(sys.argv) == 5 and sys.argv[1] == "script":
        random_script(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
    else:
        sys.exit(__doc__)
