# Sourced by the benchmark scripts that run the game on a private X desktop.
# shellcheck shell=bash

# tvdl_bench_desktop DISPLAY NAME [SETTING...]: a private settings folder in which English is
# already chosen (so a first start shows only the about box) plus the given `key=value` lines of
# section [V1], a runtime folder, then Xvfb on DISPLAY and openbox. Every process added to the
# array `pids` (Xvfb first) is ended when the script ends; `work` is the private folder.
pids=()
tvdl_bench_stop_started() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
tvdl_bench_desktop() {
    local display="$1" name="$2" setting
    shift 2
    tvdl_temp_dir work "$name"
    tvdl_on_exit tvdl_bench_stop_started
    mkdir -p "$work/config/TorvikGames"
    {
        printf '[V1]\ncommon\\tongue=0\n'
        for setting in "$@"; do printf 'common\\%s\n' "$setting"; done
    } >"$work/config/TorvikGames/TorvikVandrel.conf"
    export XDG_CONFIG_HOME="$work/config"
    tvdl_runtime_dir

    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY="$display"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}
