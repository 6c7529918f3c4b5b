#!/bin/bash
# Installs what is missing, builds, and runs every test with CTest.
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/scripts/setup.sh"
install_missing_packages
install_test_sound_server
configure_and_build
cd "$BUILD_DIR"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@"
