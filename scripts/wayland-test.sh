#!/usr/bin/env bash
# Plays on a Wayland compositor: starts a headless weston with a private socket, runs the
# keyboard-play window tests (a deal won by keys alone) on Qt's Wayland platform, stops weston.
# Usage: wayland-test.sh [build folder]   (default: build/sanitize, as scripts/test.sh leaves it)
set -euo pipefail
source "$(dirname "$0")/common.sh"

tvdl_install_packages weston qt6-wayland
build="${1:-$TVDL_ROOT/build/sanitize}"
[ -x "$build/tests/test_ui" ] || cmake --build "$build" --target test_ui

tvdl_temp_dir runtime wayland
chmod 0700 "$runtime"
socket="wayland-tvdl-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
stop_weston() {
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
}
tvdl_on_exit stop_weston

for _ in $(seq 50); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi

tvdl_temp_dir XDG_CONFIG_HOME config
export XDG_CONFIG_HOME XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$TVDL_ROOT/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Widgets draw into shared memory; without this Qt also starts EGL, whose software driver is
# unloaded at exit with a buffer still held, reported as a leak from a module with no name.
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
# A window left waiting for an answer must fail the run, not stall it.
timeout 600 "$build/tests/test_ui" --gtest_filter='KeyPlayTest.*' --gtest_brief=1
echo "Wayland: the window started and a deal was won by keys."
