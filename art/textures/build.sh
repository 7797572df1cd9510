#!/usr/bin/env bash
# Draws the texture art and writes it into data/graphics/textures: the sprites and the ground as compressed
# aBitmap files made from their PNGs by sector-clash-bitmap, the small interface pictures as painted XML.
# Usage: art/textures/build.sh [path to sector-clash-bitmap, default build/bin/sector-clash-bitmap]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$here/../..
tool=${1:-$root/build/bin/sector-clash-bitmap}
out=$root/data/graphics/textures
mkdir -p "$out"
python3 "$here/make_sprites.py" "$here/png"
python3 "$here/make_ground.py" "$here/png"
python3 "$here/make_scars.py" "$here/png"
for png in "$here"/png/*.png; do
  name=$(basename "$png" .png)
  "$tool" encode "$png" "$out/$name.aBitmap"
done
python3 "$here/make_painted.py" "$out"
