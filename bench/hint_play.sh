#!/usr/bin/env bash
# Measures what a player's moves cost the processor with the H key's searches behind them: builds
# the release benchmark and plays 40 moves of each deal headless (bench/hintplay/HintPlay.cpp).
# Usage: bench/hint_play.sh [deal...]   (default: 2053309054 1 2 3). Prints the median and 90th
# percentile of the whole process's CPU time per move, and how soon H answered from the dealt
# position and after a followed hint. One run takes minutes of one core for the code before the
# short search; keep the machine otherwise quiet for the answer times, which are clock times.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

tvdl_install_packages
tvdl_become_owner "$@"

build="$TVDL_ROOT/build/bench"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_TESTS=OFF -DTVDL_BENCH=ON >/dev/null
cmake --build "$build" --target tvdl_hint_play >/dev/null

tvdl_temp_dir XDG_CONFIG_HOME config
export XDG_CONFIG_HOME
tvdl_runtime_dir
QT_QPA_PLATFORM=offscreen "$build/bench/hintplay/tvdl_hint_play" "$@"
