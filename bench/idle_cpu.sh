#!/usr/bin/env bash
# Measures what the game costs at rest, with the banner scrolling: starts the release build under
# Xvfb with openbox, closes the about box, then reads the program's CPU time from /proc over a
# window of seconds. Usage: bench/idle_cpu.sh [seconds]   (DISPLAY number: TVDL_BENCH_DISPLAY,
# default :97). Prints the share of one core.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
source "$(dirname "$0")/desktop.sh"

seconds="${1:-60}"
display="${TVDL_BENCH_DISPLAY:-:97}"
tvdl_install_packages xvfb xauth x11-utils openbox xdotool
tvdl_become_owner "$@"

build="$TVDL_ROOT/build/bench"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_TESTS=OFF -DTVDL_BENCH=ON >/dev/null
cmake --build "$build" --target tvdl >/dev/null

# English already chosen, so the first start shows only the about box.
tvdl_bench_desktop "$display" idle

"$build/app/tvdl" >/dev/null 2>&1 &
game=$!
pids+=("$game")
sleep 3
xdotool key Return  # the about box's default button
sleep 2

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz="$(getconf CLK_TCK)"
game_before="$(ticks "$game")"
x_before="$(ticks "${pids[0]}")"
start="$(date +%s.%N)"
sleep "$seconds"
game_after="$(ticks "$game")"
x_after="$(ticks "${pids[0]}")"
elapsed="$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')"

awk -v g=$((game_after - game_before)) -v x=$((x_after - x_before)) -v hz="$hz" -v t="$elapsed" 'BEGIN {
    printf "game at rest: %.3f %% of one core (%.2f s CPU in %.1f s)\n", 100 * g / hz / t, g / hz, t
    printf "X server meanwhile: %.3f %% of one core\n", 100 * x / hz / t
}'
