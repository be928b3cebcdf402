#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures (docs/screenshot*.png) from the program's own window, on
# Qt's offscreen platform: no display is needed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_PACKAGES[@]}"
veltrum_build release veltrum_screenshot
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
    "$VELTRUM_ROOT/build/release/app/veltrum_screenshot" "$VELTRUM_ROOT/docs"
