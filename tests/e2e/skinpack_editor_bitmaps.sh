#!/usr/bin/env bash
# A skin author saves pictures from an editor (here the bitmaps ImageMagick writes, with
# 124-byte headers, 32 and 24 bits) and packs them: skinpack takes them and the package
# reads back with each picture's size and depth.
# Usage: skinpack_editor_bitmaps.sh <skinpack binary> <source dir> <work dir>
set -euo pipefail
skinpack=$1
source=$2
work=$3
source "$(dirname "$0")/e2e_helpers.sh"
rm -rf "$work"
e2e_begin "$work"
cp "$source"/tests/gfx/codecs/editor_files/imagemagick_rgba32_v5.bmp "$work"/face.bmp
cp "$source"/tests/gfx/codecs/editor_files/imagemagick_rgb24_v5.bmp "$work"/buttons.bmp
cat >"$work"/skin.ini <<'INI'
[VERSION]
ver=3
[PICTURES]
picture=face.bmp
activepicturescount=1
0=buttons.bmp
[FORMINFO]
clientrect=1,1,4,2
[SKINOBJECTS]
count=0
[SKINCONTROLS]
count=0
INI
"$skinpack" build "$work"/skin.ini "$work"/skin.skn || fail "skinpack build refused the editor's bitmaps"
report=$("$skinpack" inspect "$work"/skin.skn)
grep -q "slot picture: 5 x 3, 32 bits" <<<"$report" || fail "the 32-bit picture is not in the package: $report"
grep -q "buttons.bmp: 5 x 3, 24 bits" <<<"$report" || grep -q "  1 .*5 x 3, 24 bits" <<<"$report" ||
  fail "the 24-bit picture is not in the package: $report"
echo "e2e: editor bitmaps packed"
