#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser edition's tests in Debian's headless Chromium: the page's own
# (test_page.py) or its accessibility (test_accessibility.py, with axe-core from npm, which
# scripts/common.sh installs). Usage: run.sh TEST_FILE WEB_BUILD_DIR GOLDEN_JSON
# [VELTRUM_PROGRAM]. Without the page (scripts/build-web.sh not
# run) or without Chromium, its driver, Selenium or axe-core, the test is skipped (77),
# unless VELTRUM_REQUIRE_WEB=1 says the run must have them (scripts/test.sh does).
set -uo pipefail
test="$1"
web="$2"
golden="$3"
# The desktop program, for comparing the page's readings with its batch mode (optional).
[ -n "${4:-}" ] && export VELTRUM_PROGRAM="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
skip() {
    echo "browser tests: $1" >&2
    if [ "${VELTRUM_REQUIRE_WEB:-0}" = 1 ]; then exit 1; fi
    exit 77
}
[ -s "$web/veltrum.html" ] || skip "no page at $web/veltrum.html (run scripts/build-web.sh)"
command -v chromium >/dev/null && command -v chromedriver >/dev/null || skip "no chromium and chromedriver"
/usr/bin/python3 -c 'import selenium' 2>/dev/null || skip "no python3-selenium"
command -v node >/dev/null || skip "no node"
axe="${VELTRUM_AXE:-$here/../../build/npm/node_modules/axe-core/axe.min.js}"
[ -s "$axe" ] || skip "no axe-core at $axe (scripts/common.sh: veltrum_install_axe)"
export VELTRUM_AXE="$axe"
cd "$here" || exit 1
exec /usr/bin/python3 "$test" "$web/veltrum.html" "$web/web/veltrum_core.js" "$golden"
