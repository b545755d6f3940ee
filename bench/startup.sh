#!/usr/bin/env bash
# Start-up and footprint of the game beside an empty Qt window of the same size and the same
# window drawing one line of text (the floor for any window with text), all built in the release
# tree and started under Xvfb without a window manager, each run with a fresh home. The memory and
# processor figures include the first paint and, for the game, the about box that follows it.
# Prints the medians of exec-to-mapped time, peak resident memory, processor time, and processor
# time until the window was mapped (the steadiest figure on a busy machine), and their ratios.
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
cmake --build "$build" --target tvdl tvdl_audio tvdl_bare_window tvdl_text_window tvdl_map_timer >/dev/null

tvdl_temp_dir work startup
if [ -n "$display" ]; then
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
else
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
fi
xvfb=$!
stop_xvfb() { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }
tvdl_on_exit stop_xvfb
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
measure "$build/bench/startup/tvdl_text_window" >/dev/null
: >"$work/game"
: >"$work/bare"
: >"$work/text"
for _ in $(seq "$runs"); do
    measure "$build/app/tvdl" >>"$work/game"
    measure "$build/bench/startup/tvdl_bare_window" >>"$work/bare"
    measure "$build/bench/startup/tvdl_text_window" >>"$work/text"
done

column() { cut -d' ' -f"$2" "$work/$1" | median; }
echo "Start-up on $display, medians of $runs runs: exec to window mapped (wall clock); peak resident memory;"
echo "processor time in all; processor time until the window was mapped (the steadiest on a busy machine)."
for program in game bare text; do
    printf '%s %s %s %s %s\n' "$program" "$(column "$program" 1)" "$(column "$program" 2)" "$(column "$program" 3)" \
        "$(column "$program" 4)"
done | awk '{ name[NR] = $1; ms[NR] = $2; kib[NR] = $3; cpu[NR] = $4; map[NR] = $5 } END {
    label[1] = "game"; label[2] = "bare window"; label[3] = "text window"
    printf "  %-12s %9s %10s %9s %11s\n", "", "time", "memory", "cpu", "cpu to map"
    for (i = 1; i <= 3; ++i)
        printf "  %-12s %6.1f ms %6.1f MiB %6.1f ms %8.1f ms\n", label[i], ms[i], kib[i] / 1024, cpu[i], map[i]
    printf "  %-12s %8.2fx %9.2fx %8.2fx %10.2fx\n", "game/bare", ms[1] / ms[2], kib[1] / kib[2], cpu[1] / cpu[2], map[1] / map[2]
    printf "  %-12s %8.2fx %9.2fx %8.2fx %10.2fx  (the floor for a window with text)\n", "text/bare", \
           ms[3] / ms[2], kib[3] / kib[2], cpu[3] / cpu[2], map[3] / map[2]
}'
for program in game bare text; do
    echo "  runs of $program (ms KiB cpu cpu-to-map): $(tr '\n' ',' <"$work/$program" | sed 's/,$//')"
done
