#!/usr/bin/env bash
# Fuzzes the wave reader with libFuzzer for a bounded time (default 60 s; pass another number of
# seconds as the first argument). New inputs that crash or widen coverage land in the corpus
# folder given by FUZZ_CORPUS (default: a temporary folder); copy the few worth keeping into
# tests/fuzz/wave_corpus, which the normal tests replay.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds="${1:-60}"
tvdl_install_packages clang libclang-rt-14-dev
out="$TVDL_ROOT/build/fuzz"
mkdir -p "$out"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$TVDL_ROOT" "$TVDL_ROOT/media/WaveFile.cpp" "$TVDL_ROOT/tests/fuzz/WaveFileFuzz.cpp" \
        -o "$out/wave_fuzz"

corpus="${FUZZ_CORPUS:-$(mktemp -d /tmp/tvdl-fuzz.XXXXXX)}"
mkdir -p "$corpus"
cd "$out"
# The committed findings and the six recordings seed the run; only `corpus` is written to.
"$out/wave_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=5 -print_final_stats=1 \
    "$corpus" "$TVDL_ROOT/tests/fuzz/wave_corpus" "$TVDL_ROOT/assets/sounds"
echo "Corpus: $corpus; crashes, if any, are in $out"
