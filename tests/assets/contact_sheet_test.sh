#!/usr/bin/env bash
# contact_sheet_test.sh: the asset review sheet is made from the data folder, labels drawn
# in the game's own font (ImageMagick's default font is missing on many machines), with a
# line for every sound under the table's heading.
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

bash "$PASTURON_SOURCE/tools/assets/contact_sheet.sh" "$PASTURON_DATA" "$tmp/sheet.png" \
    >"$tmp/table" 2>"$tmp/errors" || fail "contact_sheet.sh failed: $(cat "$tmp/errors")"
[ ! -s "$tmp/errors" ] || fail "contact_sheet.sh complained: $(cat "$tmp/errors")"
# 23 pictures, 6 to a row: 4 rows of 268-pixel cells and their labels
size=$(identify -format '%w %h' "$tmp/sheet.png")
[ "${size% *}" = $((6 * 268)) ] || fail "sheet is $size pixels, not 6 cells wide"
[ "${size#* }" -gt $((4 * 268)) ] || fail "sheet is $size pixels, too short for 4 rows of cells"
sounds=$(grep -c '\.wav ' "$tmp/table" || true)
[ "$sounds" = 26 ] || fail "$sounds sounds in the table, not 26: $(cat "$tmp/table")"
echo "contact sheet $size, $sounds sounds"
