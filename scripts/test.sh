#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what Veltrum needs (Debian packages), builds it and runs every test: first the
# optimised build; then the licence data, and the Debian package made and checked; then
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer. The exit status
# is the result of all of them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_PACKAGES[@]}" "${VELTRUM_PACKAGING_PACKAGES[@]}" \
    "${VELTRUM_WEB_PACKAGES[@]}" "${VELTRUM_BROWSER_TEST_PACKAGES[@]}"

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
jobs="$(nproc 2>/dev/null || echo 2)"

echo "== the browser edition"
bash "$VELTRUM_ROOT/scripts/build-web.sh"
# The accessibility checker its tests run in the page.
veltrum_install_axe

echo "== release build and tests (the browser edition's in headless Chromium among them)"
veltrum_build release
VELTRUM_REQUIRE_WEB=1 ctest --test-dir "$VELTRUM_ROOT/build/release" --output-on-failure \
    --parallel "$jobs"

echo "== licence and copyright of every file (REUSE)"
reuse --root "$VELTRUM_ROOT" lint

echo "== the Debian package"
package="$(bash "$VELTRUM_ROOT/scripts/package.sh" | tail -n 1)"
bash "$VELTRUM_ROOT/scripts/check-package.sh" "$package"

if [ "${VELTRUM_SKIP_SANITIZERS:-0}" != 1 ]; then
    echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$VELTRUM_ROOT/scripts/lsan.supp:print_suppressions=0"
    veltrum_build sanitize
    # The page is the same file for both builds: its browser tests ran above.
    ctest --test-dir "$VELTRUM_ROOT/build/sanitize" --output-on-failure --parallel "$jobs" \
        -E "^Browser"
fi
