#!/usr/bin/env bash
# Installs what is missing, builds a release and starts the game. Arguments go to the game.
set -euo pipefail
source "$(dirname "$0")/common.sh"

tvdl_install_packages
tvdl_become_owner "$@"
build="$TVDL_ROOT/build/run"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_TESTS=OFF -DTVDL_BENCH=OFF >/dev/null
cmake --build "$build" --target tvdl

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: set DISPLAY (or WAYLAND_DISPLAY) to start the game; built $build/app/tvdl." >&2
    exit 1
fi
tvdl_runtime_dir
# Not exec: the temporary runtime folder is removed when the game ends.
"$build/app/tvdl" "$@"
