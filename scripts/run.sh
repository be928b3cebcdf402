#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Veltrum needs (Debian packages), builds it and opens its window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_PACKAGES[@]}"
veltrum_build release veltrum

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "veltrum: no display to open the window on (DISPLAY is not set); try: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi
exec "$VELTRUM_ROOT/build/release/app/veltrum"
