#!/usr/bin/env bash
# Takes the screenshots the AppStream metadata shows, with the game itself at 1280 x 720 under Xvfb:
# base.png (the player's base, its headquarters selected) and battle.png (Blue's tanks sent against
# Green's skirmish). Each input script says what it does.
#   bash packaging/screenshots/take.sh [BUILD_DIR]     # build/ by default
set -euo pipefail
cd "$(dirname "$0")/../.."
driver=${1:-build}/bin/sector-clash-autoplay
here=packaging/screenshots
shoot() {
  SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x720x24" "$driver" --interval 50 --seed 1 "$@" >/dev/null
}
shoot --frames 130 --input "$here/base.txt" --shot "130:$here/base.png"
shoot --frames 500 --reveal --input "$here/battle.txt" --shot "500:$here/battle.png"
