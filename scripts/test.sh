#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# every test, never as root, on Qt's offscreen platform, with a private sound server for the
# audio device test; the end-to-end suite (label e2e) starts its own X server and window manager
# on a free display and stops them after.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/sound.sh"

# The end-to-end suite needs a private X desktop and an accessibility bus; the validators check the desktop entry and the
# metainfo of a staged installation.
tvdl_install_packages xvfb xauth openbox xdotool x11-utils imagemagick python3 sqlite3 desktop-file-utils appstream \
                      dbus-daemon at-spi2-core python3-pyatspi
tvdl_install_packages "${TVDL_SOUND_PACKAGES[@]}"
# For the Wayland run at the end.
tvdl_install_packages weston qt6-wayland
tvdl_become_owner "$@"
# Still root: the clone is root's. The tests run without privileges all the same.
tvdl_drop_root "$@"
build="$TVDL_ROOT/build/sanitize"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
      -DTVDL_SANITIZE=ON -DTVDL_WERROR=ON -DTVDL_BENCH=OFF >/dev/null
cmake --build "$build"

tvdl_runtime_dir
# Tests must never touch the player's own settings.
tvdl_temp_dir XDG_CONFIG_HOME config
export XDG_CONFIG_HOME
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$TVDL_ROOT/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The audio device test plays into a null sink.
tvdl_on_exit tvdl_sound_server_stop
tvdl_sound_server_start
cd "$build"
ctest --output-on-failure --timeout 60 -j"$(nproc)"
"$TVDL_ROOT/scripts/wayland-test.sh" "$build"
