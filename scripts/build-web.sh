#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the browser edition: the window's core compiled to WebAssembly with Emscripten,
# and the page with everything inline. The last line printed is the path of the one file,
# veltrum.html, that works alone from a USB stick or an e-mail, offline.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_WEB_PACKAGES[@]}"

# Debian's Emscripten finds its JavaScript optimiser's parser (acorn) only here.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
dir="$VELTRUM_ROOT/build/web"
if [ ! -f "$dir/build.ninja" ]; then
    emcmake cmake -S "$VELTRUM_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DVELTRUM_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DVELTRUM_BUILD_BENCHMARKS=OFF >&2
fi
cmake --build "$dir" --target veltrum_core --parallel "$(nproc 2>/dev/null || echo 2)" >&2
# Debian's Python, with its python3-markdown for the guide.
/usr/bin/python3 -B "$VELTRUM_ROOT/scripts/bundle-web.py" "$VELTRUM_ROOT/web/page" \
    "$dir/web/veltrum_core.js" "$dir/veltrum.html"
echo "$dir/veltrum.html"
