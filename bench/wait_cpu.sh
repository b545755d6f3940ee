#!/usr/bin/env bash
# Measures the processor time the game's main thread spends while it waits: a new deal (its pauses
# and the aces' slides) and a card sliding home. Starts the release build under Xvfb with openbox
# on deal 0, deals with F2, then picks up the nine of hearts (column 13, row 3) and drops it on the
# ten of clubs (column 1, row 3), which sends it sliding back across the board; later deals are
# New over a dealt board, confirmed with Return. For each it reads the main thread's ticks
# (utime + stime, fields 14 and 15 of /proc/PID/task/PID/stat) and its wall time: from the key or
# click until the thread sits in the event loop's poll again for 60 ms. Prints ticks, wall time and
# their ratio (100 % is a whole core). Usage: bench/wait_cpu.sh [repeats]   (DISPLAY number:
# TVDL_BENCH_DISPLAY, default :96; TVDL_BENCH_GAME runs that binary instead of building one).
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
source "$(dirname "$0")/desktop.sh"

repeats="${1:-3}"
display="${TVDL_BENCH_DISPLAY:-:96}"
tvdl_install_packages xvfb xauth x11-utils openbox xdotool
tvdl_become_owner "$@"

game_binary="${TVDL_BENCH_GAME:-}"
if [ -z "$game_binary" ]; then
    build="$TVDL_ROOT/build/bench"
    cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_TESTS=OFF -DTVDL_BENCH=ON >/dev/null
    cmake --build "$build" --target tvdl >/dev/null
    game_binary="$build/app/tvdl"
fi

# English already chosen, so the first start shows only the about box; slides on (the default).
tvdl_bench_desktop "$display" wait slide=1

"$game_binary" --deal 0 >/dev/null 2>&1 &
game=$!
pids+=("$game")
sleep 3
xdotool key Return  # the about box's default button
sleep 1
window="$(xdotool search --onlyvisible --name '^Torvik Vandrel 1.5 - Freeware$' | head -n 1)"

ticks() { awk '{print $14 + $15}' "/proc/$game/task/$game/stat"; }
# A read that never gets data: a pause of a millisecond without starting a process.
exec {never}<> <(:)
# Waits until the main thread has been in poll (system call 7) for 60 ms; prints the wall time in
# ms from $1 (an EPOCHREALTIME) to the start of that quiet spell. xcb polls for its replies too,
# but only for a moment.
wall_until_idle() {
    local started="$1" call quiet_from="" now
    while true; do
        read -r call _ <"/proc/$game/task/$game/syscall"
        now="$EPOCHREALTIME"
        if [ "$call" = 7 ]; then
            quiet_from="${quiet_from:-$now}"
            if awk -v a="$quiet_from" -v b="$now" 'BEGIN { exit !(b - a >= 0.06) }'; then break; fi
        else
            quiet_from=""
        fi
        read -r -t 0.001 -u "$never" _ || true
    done
    awk -v a="$started" -v b="$quiet_from" 'BEGIN { printf "%.0f", (b - a) * 1000 }'
}
hz="$(getconf CLK_TCK)"
# Runs the command after $1 (a label), then prints the main thread's ticks and the wall time.
measure() {
    local label="$1" before started wall used
    shift
    before="$(ticks)"
    started="$EPOCHREALTIME"
    "$@"
    wall="$(wall_until_idle "$started")"
    used=$(($(ticks) - before))
    awk -v l="$label" -v t="$used" -v hz="$hz" -v w="$wall" 'BEGIN {
        printf "%-10s %4d ticks in %5d ms: %5.1f %% of the wall time\n", l, t, w, 100 * t / hz / (w / 1000)
    }'
}
place() { echo $(($1 * 48 + 8 + 21)) $(($2 * 70 + 47 + 30)); }
# shellcheck disable=SC2046
carry() {
    # Picked up and carried in steps to a card that does not take it; the drop sends it home.
    xdotool mousemove --window "$window" $(place 13 3) click 1
    for column in 11 9 7 5 3 1; do
        xdotool mousemove --window "$window" $(place "$column" 3)
        sleep 0.05
    done
    sleep 0.5
}

measure "new deal" xdotool key F2
sleep 1
for _ in $(seq "$repeats"); do
    carry
    measure "slide" xdotool click 1
    sleep 0.5
done
for _ in $(seq $((repeats - 1))); do
    xdotool key F2  # asks whether to give the dealt board up
    sleep 1
    measure "new deal" xdotool key Return
    sleep 1
done
