#!/usr/bin/env bash
# contact_sheet.sh: review the generated assets: one PNG with every texture (tiles also shown
# repeated 2 x 2, to judge the seams) and the splash, and a table of the sounds (name,
# duration, peak, loop).
#   tools/assets/contact_sheet.sh [DATA_DIR] [OUT.png]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data=${1:-$here/../../build/data}
out=${2:-contact_sheet.png}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

tiles=(grass dirt water2a x)
textures=(tritree64 bark64 hayround hay2B rock1 rock2 rock3 big_pillx head_pillx2 snail1
          silo1 silo_top blank Barn cowspots white horns cowhide)
cells=()
for t in "${tiles[@]}"; do
    convert "$data/tiles/$t.bmp" -resize 128x128! \
        \( +clone \) +append \( +clone \) -append "$tmp/tile_$t.png"
    cells+=(-label "tiles/$t (2x2)" "$tmp/tile_$t.png")
done
for t in "${textures[@]}"; do
    size=$(identify -format '%wx%h' "$data/textures/$t.bmp")
    cells+=(-label "$t $size" "$data/textures/$t.bmp")
done
cells+=(-label "splashscreen $(identify -format '%wx%h' "$data/splashscreen.bmp")" "$data/splashscreen.bmp")
# the game's own font: ImageMagick's default one is not installed everywhere
font="$data/fonts/arial.ttf"
[ -f "$font" ] || { echo "no font at $font: build the game's data first" >&2; exit 1; }
montage "${cells[@]}" -geometry 256x256+6+6 -tile 6x -background '#303030' -fill white \
    -font "$font" -pointsize 14 "$out"
echo "contact sheet: $out"

python3 - "$data/sounds" <<'PY'
import os, struct, sys, wave, math
folder = sys.argv[1]
loops = {"intro.wav", "sonar.wav", "MorningLQ.wav"}
print(f"{'sound':22} {'seconds':>7} {'peak dBFS':>9}  loop")
for name in sorted(os.listdir(folder), key=str.lower):
    with wave.open(os.path.join(folder, name)) as w:
        n, rate = w.getnframes(), w.getframerate()
        samples = struct.unpack(f"<{n}h", w.readframes(n))
    peak = max(abs(s) for s in samples)
    db = 20 * math.log10(peak / 32768) if peak else float("-inf")
    loop = ""
    if name in loops:
        loop = f"yes (seam step {abs(samples[0] - samples[-1])})"
    print(f"{name:22} {n / rate:7.2f} {db:9.2f}  {loop}")
PY
