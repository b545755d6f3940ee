#!/usr/bin/env bash
# Start-up and footprint of the game beside an empty Qt window of the same size, both built in
# the release tree and started under Xvfb without a window manager, each run with a fresh home.
# The memory and processor figures include the first paint and the about box that follows it.
# Prints the medians of exec-to-mapped time, peak resident memory and processor time (the steadier
# figure on a busy machine), and their ratios.
#
#   bench/startup.sh [--runs N] [--display :D]
#
# Without --display a free display number is chosen. The first run of each is a warm-up (file
# cache) and is not counted.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

arguments=("$@")
runs=5
display=""
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        --display) display="$2"; shift 2 ;;
        *) echo "usage: bench/startup.sh [--runs N] [--display :D]" >&2; exit 2 ;;
    esac
done

tvdl_install_packages libbenchmark-dev libxcb1-dev xvfb xauth
tvdl_become_owner "${arguments[@]}"
build="$TVDL_ROOT/build/release"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_TESTS=OFF -DTVDL_BENCH=ON >/dev/null
cmake --build "$build" --target tvdl tvdl_audio tvdl_bare_window tvdl_map_timer >/dev/null

tvdl_temp_dir work startup
if [ -n "$display" ]; then
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
else
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
fi
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; tvdl_remove_temp_dirs' EXIT
for _ in $(seq 50); do
    [ -z "$display" ] && [ -s "$work/display" ] && display=":$(head -n1 "$work/display")"
    [ -n "$display" ] && [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
[ -e "/tmp/.X11-unix/X${display#:}" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# One start with a fresh home where only the language is stored, so the main window is the first
# window, as for every start after the first: "milliseconds KiB cpu-milliseconds".
measure() {
    local home="$work/home.$RANDOM$RANDOM"
    mkdir -p "$home/config/TorvikGames" "$home/runtime"
    chmod 0700 "$home/runtime"
    printf '[V1]\ncommon\\tongue=0\n' >"$home/config/TorvikGames/TorvikVandrel.conf"
    env -i PATH="$PATH" DISPLAY="$display" HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
        "$build/bench/startup/tvdl_map_timer" 683 342 300 "$@"
    rm -rf "$home"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$build/app/tvdl" >/dev/null
measure "$build/bench/startup/tvdl_bare_window" >/dev/null
: >"$work/game"
: >"$work/bare"
for _ in $(seq "$runs"); do
    measure "$build/app/tvdl" >>"$work/game"
    measure "$build/bench/startup/tvdl_bare_window" >>"$work/bare"
done

game_ms=$(cut -d' ' -f1 "$work/game" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
game_kib=$(cut -d' ' -f2 "$work/game" | median)
bare_kib=$(cut -d' ' -f2 "$work/bare" | median)
game_cpu=$(cut -d' ' -f3 "$work/game" | median)
bare_cpu=$(cut -d' ' -f3 "$work/bare" | median)
echo "Start-up on $display, medians of $runs runs (exec to window mapped; peak resident memory; processor time):"
awk -v gm="$game_ms" -v bm="$bare_ms" -v gk="$game_kib" -v bk="$bare_kib" -v gc="$game_cpu" -v bc="$bare_cpu" 'BEGIN {
    printf "  %-12s %9s %10s %9s\n", "", "time", "memory", "cpu"
    printf "  %-12s %6.1f ms %6.1f MiB %6.1f ms\n", "game", gm, gk / 1024, gc
    printf "  %-12s %6.1f ms %6.1f MiB %6.1f ms\n", "bare window", bm, bk / 1024, bc
    printf "  %-12s %8.2fx %9.2fx %8.2fx\n", "ratio", gm / bm, gk / bk, gc / bc
}'
echo "  runs (ms KiB cpu): game $(tr '\n' ',' <"$work/game" | sed 's/,$//')"
echo "                     bare $(tr '\n' ',' <"$work/bare" | sed 's/,$//')"
