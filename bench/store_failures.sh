#!/usr/bin/env bash
# What a store the game cannot write, or one far too large, costs the player: the real program
# under Xvfb with openbox, each run with a fresh home. Run it as an ordinary user, since nothing
# read-only stops root.
#   - Boxes in a session with a read-only store: start, the about box closed, the zoom changed and
#     put back (two writes), then SIGTERM; every showing of a window other than the main window.
#   - Milliseconds from SIGTERM to the end of the process, read-only store.
#   - The same with the store's lock held by another live process, so that every write waits.
#   - A store of 126 MB in 3.3 million distinct keys: milliseconds from exec to the main window,
#     peak resident memory, milliseconds from SIGTERM to the end, and where the store went.
#
#   bench/store_failures.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

[ $# -eq 1 ] || { echo "usage: bench/store_failures.sh PROGRAM" >&2; exit 2; }
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
[ "$(id -u)" -ne 0 ] || { echo "run as an ordinary user: root writes read-only files" >&2; exit 2; }

tvdl_temp_dir work store-failures
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 2000x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
stop_xvfb() { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }
tvdl_on_exit stop_xvfb
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
wm=$!
stop_wm() { kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null || true; }
tvdl_on_exit stop_wm
sleep 1

now_ms() { date +%s%3N; }

# A fresh home whose store holds the language; prints its folder.
fresh_home() {
    local home="$work/home.$RANDOM$RANDOM"
    mkdir -p "$home/config/TorvikGames" "$home/runtime"
    chmod 0700 "$home/runtime"
    printf '[V1]\ncommon\\tongue=0\n' >"$home/config/TorvikGames/TorvikVandrel.conf"
    echo "$home"
}

start_game() {
    local home="$1"
    env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
        ASAN_OPTIONS=detect_leaks=0 "$program" >"$home/log" 2>&1 &
    game=$!
}

visible() { xdotool search --onlyvisible --pid "$game" --name . 2>/dev/null || true; }

# Waits for a visible window of the game other than `main` and prints it.
wait_box() {
    local main="$1" id
    for _ in $(seq 400); do
        for id in $(visible); do [ "$id" != "$main" ] && { echo "$id"; return 0; }; done
        sleep 0.05
    done
    return 1
}

# Milliseconds from a SIGTERM to the end of the game.
end_by_sigterm() {
    local start
    start=$(now_ms)
    kill -TERM "$game"
    while kill -0 "$game" 2>/dev/null; do
        [ $(($(now_ms) - start)) -lt 60000 ] || { kill -KILL "$game"; break; }
        sleep 0.01
    done
    wait "$game" 2>/dev/null || true
    echo $(($(now_ms) - start))
}

# Counts the showings of windows other than the main window while the session script runs.
count_boxes() {
    local main="$1" seen="" count=0 now id
    while kill -0 "$game" 2>/dev/null && [ ! -e "$work/stop-counting" ]; do
        now="$(visible | { grep -vx "$main" || true; } | sort | tr '\n' ' ')"
        for id in $now; do case " $seen " in *" $id "*) ;; *) count=$((count + 1)) ;; esac; done
        seen="$now"
        sleep 0.03
    done
    echo "$count" >"$work/boxes"
}

# --- A read-only store -----------------------------------------------------------------------
home="$(fresh_home)"
chmod 0444 "$home/config/TorvikGames/TorvikVandrel.conf"
start_game "$home"
main="$(wait_box none)"
rm -f "$work/stop-counting"
count_boxes "$main" &
counter=$!
wait_box "$main" >/dev/null
# The player reads the about box, then zooms in and back out: two writes that fail.
sleep 0.6
xdotool key --clearmodifiers Return
sleep 0.8
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key ctrl+equal
sleep 1.5
for id in $(visible); do
    if [ "$id" != "$main" ]; then xdotool windowactivate --sync "$id" 2>/dev/null || true; sleep 0.4; xdotool key Return; fi
done
sleep 0.8
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key ctrl+0
sleep 1.5
terminated=$(end_by_sigterm)
touch "$work/stop-counting"
wait "$counter" 2>/dev/null || true
echo "read-only store: $(cat "$work/boxes") boxes in the session (about box included), SIGTERM to exit ${terminated} ms"
{ grep -c "Fehler beim Setzen\|Erzeugung von" "$home/log" || true; } | sed 's/^/  store failures logged: /'

# --- A store whose lock another live process holds ------------------------------------------
# Every write then waits for the lock, up to the 30 s after which a lock counts as abandoned.
home="$(fresh_home)"
start_game "$home"
main="$(wait_box none)"
wait_box "$main" >/dev/null
sleep 0.6
xdotool key --clearmodifiers Return
sleep 1
sleep 120 &
holder=$!
printf '%s\nsleep\n%s\n' "$holder" "$(hostname)" >"$home/config/TorvikGames/TorvikVandrel.conf.lock"
terminated=$(end_by_sigterm)
kill "$holder" 2>/dev/null || true
echo "store locked by another process: SIGTERM to exit ${terminated} ms"

# --- The first window with the game's own store, and with one just under the limit ----------
first_window() {
    local home="$1" start shown
    start=$(now_ms)
    start_game "$home"
    wait_box none >/dev/null
    shown=$(($(now_ms) - start))
    sleep 0.5
    end_by_sigterm >/dev/null
    echo "$shown"
}
home="$(fresh_home)"
echo "own store: first window after $(first_window "$home") ms"
home="$(fresh_home)"
store="$home/config/TorvikGames/TorvikVandrel.conf"
awk 'BEGIN { print "[V1]"; print "common\\tongue=0";
             for (i = 0; i < 1650; i++) printf "common\\k%07d=abcdefghijklmnopqrstu\n", i }' >"$store"
echo "store of $(stat -c %s "$store") bytes: first window after $(first_window "$home") ms, $(ls "$home/config/TorvikGames" | wc -l) file(s) in the folder"

# --- A store of 126 MB -----------------------------------------------------------------------
home="$(fresh_home)"
store="$home/config/TorvikGames/TorvikVandrel.conf"
awk 'BEGIN { print "[V1]"; print "common\\tongue=0";
             for (i = 0; i < 3300000; i++) printf "common\\k%07d=abcdefghijklmnopqrstu\n", i }' >"$store"
size=$(stat -c %s "$store")
start=$(now_ms)
start_game "$home"
wait_box none >/dev/null
shown=$(($(now_ms) - start))
sleep 0.5
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$game/status")
terminated=$(end_by_sigterm)
echo "store of $size bytes: first window after ${shown} ms, peak ${peak} KiB, SIGTERM to exit ${terminated} ms"
ls "$home/config/TorvikGames" | sed 's/^/  left in the folder: /'
