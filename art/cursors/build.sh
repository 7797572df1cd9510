#!/usr/bin/env bash
# Draws the cursor PNGs and turns them into data/graphics/cursors: static ones with icotool, the
# animated attack cursor packed from its frames at 5/60 s per frame.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$here/../../data/graphics/cursors
mkdir -p "$out"
python3 "$here/make_cursors.py" "$here/png"
icotool -c --cursor --hotspot-x=1 --hotspot-y=1 -o "$out/default.cur" "$here/png/default.png"
icotool -c --cursor --hotspot-x=15 --hotspot-y=15 -o "$out/select.cur" "$here/png/select.png"
icotool -c --cursor --hotspot-x=15 --hotspot-y=15 -o "$out/move.cur" "$here/png/move.png"
frames=()
scratch=$(mktemp -d)
for i in 0 1 2 3 4 5; do
  icotool -c --cursor --hotspot-x=15 --hotspot-y=15 -o "$scratch/attack_$i.cur" "$here/png/attack_$i.png"
  frames+=("$scratch/attack_$i.cur")
done
python3 "$here/make_ani.py" "$out/attack.ani" 5 "${frames[@]}"
rm -rf "$scratch"
