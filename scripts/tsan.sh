#!/usr/bin/env bash
# Builds the tests that start threads with ThreadSanitizer and runs them: the table command's
# worker threads, the hint's background search and the sound output's own thread.
set -euo pipefail
source "$(dirname "$0")/common.sh"

tvdl_install_packages
tvdl_become_owner "$@"
build="$TVDL_ROOT/build/tsan"
# GCC's check for values that may be used uninitialized sees through the sanitizer's instrumented
# code badly and reports std::optional members that are always set; it stays on everywhere else.
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1 -Wno-maybe-uninitialized" \
      -DTVDL_TSAN=ON -DTVDL_WERROR=ON -DTVDL_BENCH=OFF >/dev/null
cmake --build "$build" --target test_app test_ui test_media

tvdl_runtime_dir
tvdl_temp_dir XDG_CONFIG_HOME config
export XDG_CONFIG_HOME
export QT_QPA_PLATFORM=offscreen
# The sound output's thread starts, takes its requests and stops, but finds no sound server: the
# sound server's client library and Qt's sound code run threads of their own, built without the
# sanitizer, whose hand-overs it cannot see and would report in their hundreds.
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/no-sound-server-here"
# Qt's libraries are not built with the sanitizer either; the suppressions name the few places
# where they hand data between threads, and nothing of ours.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 history_size=4 suppressions=$TVDL_ROOT/tests/tsan.supp"

run() {
    echo "== $1 $2"
    "$build/tests/$1" --gtest_filter="$2" --gtest_brief=1
}
run test_app 'WinnabilityCommand.*'
run test_ui 'WinningHint*'
run test_media 'AudioDeviceTest.*'
echo "ThreadSanitizer found no data race in the threaded tests."
