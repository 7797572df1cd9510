#!/bin/bash
# Instructions a frame of the starting view once the battle has settled (10 s of game time), counted by
# callgrind with the software renderer in the game's own thread, so the count repeats at any load. The first
# 630 frames run uncounted and undrawn (--draw-every), then 16 frames are drawn as screenshots and counted one
# by one; what writing the screenshots costs is taken off each. Prints, for each --scenery kind asked for, the
# median of the last 14 frames. Both kinds run at once; each takes 4 to 8 minutes on a loaded machine.
#   DRIVER=build/bin/sector-clash-autoplay bash bench/render/settled-count.sh none all
set -euo pipefail
top=$(pwd)
driver="${DRIVER:-$top/build/bin/sector-clash-autoplay}"
first=641
last=656
kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(none all)
work=$(mktemp -d)

count() {
    local kind=$1 out=$work/$1 shots="" pid="" frame=""
    mkdir -p "$out"
    for f in $(seq $first $last); do shots="$shots --shot $f:$out/$f.png"; done
    # shellcheck disable=SC2086
    LP_NUM_THREADS=0 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x720x24" valgrind --tool=callgrind \
        --instr-atstart=no --dump-before=SDL_GL_SwapWindow --callgrind-out-file="$out/cg" "$driver" \
        --level levels/level0.xml --frames $last --seed 3 --memory-every 5 --draw-every 100000 \
        --scenery "$kind" $shots >"$out/log" 2>&1 &
    # Counting starts once the driver says it has passed frame 630.
    while sleep 0.5; do
        [ -n "$pid" ] || pid=$(pgrep -n -f "valgrind.bin.*callgrind-out-file=$out/cg" || true)
        frame=$(grep -o '"frame": [0-9]*' "$out/log" 2>/dev/null | tail -1 | grep -o '[0-9]*$' || true)
        [ -n "$pid" ] && [ -n "$frame" ] && [ "$frame" -ge $((first - 10)) ] && break
    done
    callgrind_control -i on "$pid" >/dev/null 2>&1
    wait
    for dump in $(ls "$out" | grep '^cg\.' | sort -t. -k2 -n | tail -n 14); do
        local total png
        total=$(grep -m1 '^summary' "$out/$dump" | cut -d' ' -f2)
        png=$(callgrind_annotate --inclusive=yes "$out/$dump" 2>/dev/null | grep -m1 'platform::WritePng' |
            awk '{gsub(",", "", $1); print $1}' || true)
        echo $((total - ${png:-0}))
    done | sort -n | awk -v kind="$kind" '{a[NR] = $1} END {printf "%s: %.1f M instructions a frame (median of %d, %.1f to %.1f M)\n", kind, a[int((NR + 1) / 2)] / 1e6, NR, a[1] / 1e6, a[NR] / 1e6}'
}

for kind in "${kinds[@]}"; do count "$kind" >"$work/$kind.result" & done
wait
for kind in "${kinds[@]}"; do cat "$work/$kind.result"; done
[ -n "${KEEP:-}" ] && echo "kept $work" || rm -rf "$work"
