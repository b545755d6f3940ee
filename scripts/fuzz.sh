#!/usr/bin/env bash
# Fuzzes for a bounded time (default 60 s each; pass another number of seconds as the first
# argument, and "wave" or "help" as the second to run only one of them):
# - wave: the wave reader, with libFuzzer. New inputs that crash or widen coverage land in the
#   corpus folder given by FUZZ_CORPUS (default: a temporary folder); copy the few worth keeping
#   into tests/fuzz/wave_corpus, which the normal tests replay.
# - help: damaged copies of the help file, each opened through the game's side of the help and
#   the real viewer program, both built with the sanitizers. The viewer may die on them; the game
#   side must tell the player, end the viewer within its time limits and never crash. Copies the
#   player was told about land in HELP_FINDINGS (default: a temporary folder).
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds="${1:-60}"
which="${2:-all}"
case "$which" in
    all | wave | help) ;;
    *) echo "Usage: $0 [SECONDS] [wave|help|all]" >&2; exit 2 ;;
esac
tvdl_install_packages clang libclang-rt-14-dev
tvdl_become_owner "$@"
out="$TVDL_ROOT/build/fuzz"
mkdir -p "$out"

if [ "$which" != help ]; then
    clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
            -I"$TVDL_ROOT" "$TVDL_ROOT/media/WaveFile.cpp" "$TVDL_ROOT/tests/fuzz/WaveFileFuzz.cpp" \
            -o "$out/wave_fuzz"
    corpus="${FUZZ_CORPUS:-$(mktemp -d /tmp/tvdl-fuzz.XXXXXX)}"
    mkdir -p "$corpus"
    # The committed findings and the six recordings seed the run; only `corpus` is written to.
    (cd "$out" && "$out/wave_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=5 -print_final_stats=1 \
        "$corpus" "$TVDL_ROOT/tests/fuzz/wave_corpus" "$TVDL_ROOT/assets/sounds")
    echo "Wave corpus: $corpus; crashes, if any, are in $out"
fi

if [ "$which" != wave ]; then
    tree="$out/help"
    cmake -S "$TVDL_ROOT" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
          -DTVDL_SANITIZE=ON -DTVDL_BENCH=OFF >/dev/null
    cmake --build "$tree" --target test_help tvdl-help
    findings="${HELP_FINDINGS:-$(mktemp -d /tmp/tvdl-help-fuzz.XXXXXX)}"
    mkdir -p "$findings"
    tvdl_runtime_dir
    tvdl_temp_dir XDG_CONFIG_HOME config
    export XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen
    export LSAN_OPTIONS="suppressions=$TVDL_ROOT/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    TVDL_HELP_FUZZ_SECONDS="$seconds" TVDL_HELP_FUZZ_SEED="${HELP_SEED:-$RANDOM}" TVDL_HELP_FUZZ_FINDINGS="$findings" \
        "$tree/tests/test_help" --gtest_filter='HelpDamage.AShortFuzzRunNeverTakesTheGameDown' 2> "$findings/stderr.txt" ||
        { tail -40 "$findings/stderr.txt" >&2; exit 1; }
    echo "Help file copies the player was told about: $findings"
fi
