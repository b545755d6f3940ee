# Shared by the scripts: installs the Debian packages the build needs when any is missing, hands
# the work to the owner of the clone when run as root, and removes its temporary folders on exit.
# shellcheck shell=bash

TVDL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TVDL_PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
               qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libxcb1-dev fonts-liberation libchm-dev
               qt6-translations-l10n libsqlite3-dev)

tvdl_install_packages() {
    local missing=() pkg
    for pkg in "${TVDL_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local line="apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them as root, then run this script again:" >&2
        echo "  sudo apt-get update && sudo $line" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Run as root (after installing packages), starts the calling script again as the user who owns
# the clone, so that nothing in it becomes root's; a root-owned clone stays with root. Under sudo
# the owner is normally SUDO_USER; the clone's owner decides because it is who must write there.
tvdl_become_owner() {
    [ "$(id -u)" -eq 0 ] || return 0
    local owner
    owner="$(stat -c %U "$TVDL_ROOT")"
    [ "$owner" != root ] || return 0
    if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != "$owner" ]; then
        echo "Building as $owner, who owns $TVDL_ROOT (not $SUDO_USER)." >&2
    fi
    local script
    script="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
    exec runuser -u "$owner" -- "$BASH" "$script" "$@"
}

# Root may write anywhere, so tests of file permissions prove nothing when root runs them. Run as
# root in a root-owned clone (as CI does), a test script starts itself again as the unprivileged
# user tvdl-test, made here when missing, on a copy of the clone that this user owns. The copy
# and its build stay in /var/tmp between runs, so the next build only redoes what changed. Every
# package must be installed before this is called.
TVDL_TEST_USER=tvdl-test
tvdl_drop_root() {
    [ "$(id -u)" -eq 0 ] || return 0
    if ! id -u "$TVDL_TEST_USER" >/dev/null 2>&1; then
        useradd --system --user-group --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
                "$TVDL_TEST_USER"
    fi
    local place
    place="/var/tmp/tvdl-unprivileged/$(printf '%s' "$TVDL_ROOT" | cksum | cut -d' ' -f1)"
    install -d -m 0755 /var/tmp/tvdl-unprivileged
    install -d -m 0700 -o "$TVDL_TEST_USER" -g "$TVDL_TEST_USER" "$place" "$place/src" "$place/home"
    # The sources afresh, with their times, so that files gone from the clone go from the copy
    # too and the kept build sees what really changed.
    find "$place/src" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
    tar -C "$TVDL_ROOT" --exclude=./build --exclude=./.git -cf - . |
        runuser -u "$TVDL_TEST_USER" -- tar -C "$place/src" -xf -
    echo "Running as $TVDL_TEST_USER in $place/src."
    local script
    script="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
    script="$place/src/${script#"$TVDL_ROOT"/}"
    exec runuser -u "$TVDL_TEST_USER" -- env HOME="$place/home" TVDL_UNPRIVILEGED=1 "$BASH" "$script" "$@"
}

# Clean-up steps run when the script ends, however it ends, the latest first (what was started
# last stops first). A script adds its own with tvdl_on_exit and never sets an EXIT trap, which
# would drop the steps of the others.
TVDL_EXIT_STEPS=()
tvdl_on_exit() {
    TVDL_EXIT_STEPS+=("$1")
}
tvdl_run_exit_steps() {
    local i
    for ((i = ${#TVDL_EXIT_STEPS[@]} - 1; i >= 0; i--)); do
        "${TVDL_EXIT_STEPS[i]}" || true
    done
}
trap tvdl_run_exit_steps EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Temporary folders made through tvdl_temp_dir are removed when the script ends, however it ends.
TVDL_TEMP_DIRS=()
tvdl_remove_temp_dirs() {
    local dir
    for dir in "${TVDL_TEMP_DIRS[@]}"; do rm -rf -- "$dir"; done
}
tvdl_on_exit tvdl_remove_temp_dirs

# tvdl_temp_dir VARIABLE NAME: a new private folder /tmp/tvdl-NAME.XXXXXX in VARIABLE.
tvdl_temp_dir() {
    local dir
    dir="$(mktemp -d "/tmp/tvdl-$2.XXXXXX")"
    TVDL_TEMP_DIRS+=("$dir")
    printf -v "$1" '%s' "$dir"
}

# Qt complains without a private runtime folder.
tvdl_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ] || [ ! -O "${XDG_RUNTIME_DIR}" ]; then
        tvdl_temp_dir XDG_RUNTIME_DIR runtime
        chmod 0700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
    fi
}

# Checks that each program given was built hardened. Control-flow protection is built in
# (debian/rules), but Debian 12's own start files lack its mark, so no program linked there can
# show it: hardening-check is told not to require it. The help viewer's only fortifiable calls (a
# read into a fixed buffer, copies inside the standard library) are proven safe when compiled, so
# they stay plain calls and hardening-check cannot see the fortification it was built with.
tvdl_hardening_check() {
    local program relaxed
    for program in "$@"; do
        relaxed=(--nocfprotection)
        [ "$(basename "$program")" = tvdl-help ] && relaxed+=(--nofortify)
        hardening-check "${relaxed[@]}" "$program"
    done
}
