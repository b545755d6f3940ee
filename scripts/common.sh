# Shared by run.sh and test.sh: installs the Debian packages the build needs, when any is missing.
# shellcheck shell=bash

TVDL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TVDL_PACKAGES=(build-essential cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
               qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libxcb1-dev fonts-liberation libchm-dev)

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

# Qt complains without a private runtime folder.
tvdl_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ]; then
        XDG_RUNTIME_DIR="$(mktemp -d /tmp/tvdl-runtime.XXXXXX)"
        chmod 0700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
    fi
}
