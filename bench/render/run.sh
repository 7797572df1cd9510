#!/bin/bash
# Frame figures of the drawing at scale: the driver under Xvfb at 1280 x 720 in four views. Run from the
# repository's top folder after building sector-clash-autoplay; FRAMES (default 1500) sets the run length,
# DRIVER another build's driver (to compare with an earlier commit).
# WRAP a command to run it under (a profiler: WRAP="perf record -g -o /tmp/frame.data --"), OPTIONS more
# options for the driver (OPTIONS="--sprites-below 0" draws every tank with its lines and triangles).
# The scenery view runs the starting view with no ground, the ground alone and the ground with its scars,
# ROUNDS times (default 2) in turn, so the neighbours' load falls on all three alike.
# The scenery-pairs view draws all of it and none of it in turn within one run, which separate runs'
# drift cannot blur; its line "scenery_ms" gives each kind's frame and the difference.
#   bash bench/render/run.sh [start|zoomed|hq|thousand|scenery|scenery-pairs]...
set -euo pipefail
top=$(pwd)
driver="${DRIVER:-$top/build/bin/sector-clash-autoplay}"
frames=${FRAMES:-1500}
views=("$@")
[ ${#views[@]} -gt 0 ] || views=(start zoomed hq thousand)

# The processor time counts the driver, its rendering threads and the X server: on a shared machine it
# moves less with the neighbours' load than the frame rate does.
run() {
    echo "== $1 (load: $(cut -d' ' -f1-3 /proc/loadavg))"
    shift
    local TIMEFORMAT="processor: %U s user, %S s system, %R s wall"
    time (${WRAP:-} xvfb-run -a -s "-screen 0 1280x720x24" "$driver" --level levels/level0.xml --frames "$frames" --seed 3 --stats ${OPTIONS:-} "$@" | grep '^{')
}

# The configuration's lowest zoom cannot show a thousand tanks at the skirmish's density: a copy of the
# data whose lowest zoom level is 0.4 (a scale of 0.064) shows the whole field of 1,200.
wide_data() {
    local folder
    folder=$(mktemp -d)
    mkdir "$folder/data"
    for entry in "$top"/data/*; do
        [ "$(basename "$entry")" = config.xml ] || ln -s "$entry" "$folder/data/"
    done
    sed 's/max="0.5"/max="0.4"/' "$top/data/config.xml" >"$folder/data/config.xml"
    echo "$folder"
}

for view in "${views[@]}"; do
    case $view in
    start) run "the starting view, 256 tanks" ;;
    zoomed) run "the whole skirmish, lowest zoom, revealed" --reveal --input bench/render/zoomed-out.script ;;
    hq) run "the headquarters selected" --input bench/render/hq-selected.script ;;
    thousand)
        folder=$(wide_data)
        (cd "$folder" && run "1,200 tanks, all in view, revealed" --reveal --skirmish 1200 \
            --input "$top/bench/render/zoomed-out.script")
        rm -rf "$folder"
        ;;
    scenery)
        for round in $(seq "${ROUNDS:-2}"); do
            for layers in none ground all; do
                run "the starting view, scenery: $layers (round $round)" --scenery "$layers"
            done
        done
        ;;
    scenery-pairs)
        # All the scenery and none in turn within one run: its last line is the scenery's cost.
        for round in $(seq "${ROUNDS:-2}"); do
            run "the starting view, scenery all and none in turn (round $round)" --scenery alternate
        done
        ;;
    *) echo "unknown view $view" >&2; exit 2 ;;
    esac
done
