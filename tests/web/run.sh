#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser edition's tests in Debian's headless Chromium. Usage: run.sh WEB_BUILD_DIR
# GOLDEN_JSON [VELTRUM_PROGRAM]. Without the page (scripts/build-web.sh not run) or without Chromium, its
# driver and Selenium, the test is skipped (77), unless VELTRUM_REQUIRE_WEB=1 says the run
# must have them (scripts/test.sh does).
set -uo pipefail
web="$1"
golden="$2"
# The desktop program, for comparing the page's readings with its batch mode (optional).
[ -n "${3:-}" ] && export VELTRUM_PROGRAM="$3"
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
cd "$here" && exec /usr/bin/python3 test_page.py "$web/veltrum.html" "$web/web/veltrum_core.js" "$golden"
