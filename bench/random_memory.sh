#!/usr/bin/env bash
# The game's resident memory over a long random play: builds the release, plays EVENTS random
# clicks and keys on a private X desktop (bench/random_play.py), and prints the memory at the
# start, every thousand events, and at the end with the game back at its own size and no other
# window open. Usage: bench/random_memory.sh [EVENTS] [SEED]   (defaults: 10000, 1)
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

tvdl_install_packages xvfb xauth x11-utils openbox xdotool
tvdl_become_owner "$@"

build="$TVDL_ROOT/build/bench"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_TESTS=OFF -DTVDL_BENCH=ON >/dev/null
cmake --build "$build" --target tvdl tvdl-help >/dev/null
python3 "$TVDL_ROOT/bench/random_play.py" "$build/app/tvdl" "${1:-10000}" "${2:-1}"
