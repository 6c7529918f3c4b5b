#!/bin/bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing,
# then configures and builds into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VELMORA_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
    qtmultimedia5-dev libqt5multimedia5-plugins
    libhidapi-dev libcjson-dev libtinyxml2-dev libfftw3-dev
    libudev-dev libx11-dev libxtst-dev libpulse-dev
    xvfb xauth x11-utils fonts-dejavu-core fonts-font-awesome fonts-wqy-microhei trayer tzdata python3
)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# The music tests start a private sound server. Installed only where the
# machine has no sound server package, so a desktop's own audio stack is
# never replaced; the program itself needs only libpulse.
install_test_sound_server() {
    local p
    for p in pulseaudio pipewire-pulse; do
        if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            return 0
        fi
    done
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends pulseaudio
}

configure_and_build() {
    local jobs
    jobs="$(nproc 2>/dev/null || echo 2)"
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "$@"
    cmake --build "$BUILD_DIR" -j "$jobs"
}
