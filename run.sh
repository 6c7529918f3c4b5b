#!/bin/bash
# Installs what is missing, builds and starts Velmora.
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/scripts/setup.sh"
install_missing_packages
configure_and_build
exec "$BUILD_DIR/velmora" "$@"
