#!/usr/bin/env bash
# headless_includes.sh: the rules, the map loader and the kind tables must run with no window
# and no audio device, so none of their files includes a graphics, windowing, font or sound
# library header. (World drawing lives in world/draw_*.cpp and may.)
set -u
cd "$PASTURON_SOURCE"
files=$(ls rules/*.cpp rules/*.h world/*.cpp world/*.h | grep -v '^world/draw_')
hits=$(grep -nE '#include *[<"](GL/|AL/|FTGL/|X11/|ft2build)' $files)
if [ -n "$hits" ]; then
    echo "FAIL: headless code includes platform headers:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "ok: $(echo $files | wc -w) files checked"
