#!/usr/bin/env bash
# Makes the README's pictures (docs/screenshot*.png) from the program's own window, on
# Qt's offscreen platform: no display is needed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_PACKAGES[@]}"
veltrum_build release veltrum_screenshot
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
    "$VELTRUM_ROOT/build/release/app/veltrum_screenshot" "$VELTRUM_ROOT/docs"
