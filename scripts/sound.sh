# Shared by scripts that need a sound output: a private PulseAudio server with a null sink, in a
# runtime folder of its own so it never meets the player's server or another run's.
# shellcheck shell=bash

TVDL_SOUND_PACKAGES=(pulseaudio pulseaudio-utils)
TVDL_SOUND_PID=""

# Starts the server and exports PULSE_RUNTIME_PATH for the programs started after it. Without a
# working server, tests that need a device skip themselves.
tvdl_sound_server_start() {
    PULSE_RUNTIME_PATH="$(mktemp -d /tmp/tvdl-pulse.XXXXXX)"
    export PULSE_RUNTIME_PATH
    pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
               --log-target="file:$PULSE_RUNTIME_PATH/server.log" \
               --load=module-native-protocol-unix --load="module-null-sink sink_name=tvdl_null" \
               >/dev/null 2>&1 &
    TVDL_SOUND_PID=$!
    local i
    for i in $(seq 50); do
        if pactl info >/dev/null 2>&1; then
            # Only the audio device test may reach the server: the client library has aborted
            # under the window tests' endless cues. Everyone else gets an address where no server
            # answers, which means no sound output, and never starts a server of its own.
            export TVDL_TEST_PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
            export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/no-server-here"
            return 0
        fi
        sleep 0.1
    done
    echo "No sound server came up (see $PULSE_RUNTIME_PATH/server.log); tests needing one are skipped." >&2
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/no-server-here"
}

tvdl_sound_server_stop() {
    if [ -n "$TVDL_SOUND_PID" ]; then
        kill "$TVDL_SOUND_PID" 2>/dev/null || true
        wait "$TVDL_SOUND_PID" 2>/dev/null || true
        TVDL_SOUND_PID=""
    fi
    if [ -n "${PULSE_RUNTIME_PATH:-}" ] && [ -d "$PULSE_RUNTIME_PATH" ]; then
        rm -rf "$PULSE_RUNTIME_PATH"
    fi
}
