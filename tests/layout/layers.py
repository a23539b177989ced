#!/usr/bin/env python3
"""layers.py: the subsystems stay layers.

- The folders' includes form no cycle, and the headless layers reach no higher: rules/, bots/
  and world/ include nothing of shell/, models/ or hud/ (rules/ nothing of bots/ either); models/ and hud/ nothing of shell/.
- The headless code includes no graphics, windowing, font or sound-device header.
- The headless programs given on the command line (the replay tool, the rules and world tests)
  link none of the graphics, windowing, font or sound libraries (read with ldd).

usage: layers.py SOURCE_DIR [PROGRAM ...]
"""
import os
import re
import subprocess
import sys

FOLDERS = ["input", "images", "audio", "world", "rules", "net", "online", "bots", "models", "hud", "shell"]
FORBIDDEN = {  # folder: folders it must never include
    "world": {"shell", "models", "hud", "net", "online"},
    "rules": {"shell", "models", "hud", "net", "online", "bots"},
    "net": {"shell", "models", "hud", "online"},
    "online": {"shell", "models", "hud"},
    "bots": {"shell", "models", "hud"},
    "models": {"shell"},
    "hud": {"shell"},
}
HEADLESS = ["input/", "world/", "rules/", "net/", "online/", "bots/", "audio/sound", "images/bmp", "images/texture_"]
PLATFORM_HEADER = re.compile(r'#include\s*[<"](GL/|AL/|FTGL/|X11/|SDL|ft2build)')
PROJECT_HEADER = re.compile(r'#include\s*"([a-z_]+)/')
PLATFORM_LIBRARIES = ["libGL.", "libGLU.", "libglut.", "libopenal.", "libalut.", "libftgl.",
                      "libX11.", "libSDL2"]


def sources(root, folder):
    for name in sorted(os.listdir(os.path.join(root, folder))):
        if name.endswith((".cpp", ".h")):
            yield folder + "/" + name


def find_cycle(graph):
    """A list of folders that include each other in a circle, or None."""
    state = {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph[node]):
            if state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt, path + [nxt])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in graph:
        if node not in state:
            found = visit(node, [node])
            if found:
                return found
    return None


def main():
    root, programs = sys.argv[1], sys.argv[2:]
    problems = []
    graph = {folder: set() for folder in FOLDERS}
    checked = 0
    for folder in FOLDERS:
        for path in sources(root, folder):
            checked += 1
            with open(os.path.join(root, path), encoding="utf-8") as f:
                text = f.read()
            for used in PROJECT_HEADER.findall(text):
                if used in graph and used != folder:
                    graph[folder].add(used)
                    if used in FORBIDDEN.get(folder, ()):
                        problems.append(f"{path} includes a header of {used}/")
            if any(path.startswith(p) for p in HEADLESS):
                for line in text.splitlines():
                    if PLATFORM_HEADER.search(line):
                        problems.append(f"{path} (headless) has {line.strip()}")
    cycle = find_cycle(graph)
    if cycle:
        problems.append("folders include each other in a circle: " + " -> ".join(cycle))
    for program in programs:
        linked = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
        for library in PLATFORM_LIBRARIES:
            if library in linked:
                problems.append(f"{os.path.basename(program)} links {library.rstrip('.')}")
    for problem in problems:
        print("FAIL:", problem, file=sys.stderr)
    if problems:
        return 1
    print(f"ok: {checked} files in {len(FOLDERS)} folders, {len(programs)} headless programs")
    for folder in FOLDERS:
        print(f"  {folder} -> {' '.join(sorted(graph[folder])) or '(nothing)'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
