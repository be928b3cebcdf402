#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser edition's speed beside the desktop's, measured in one run on this machine:
a summator press at Tint 1000 ms through the page (click to the last label, in headless
Chromium) against the same press through the desktop window (veltrum_bench's
BM_WindowClickSummator/1000), and the page's longest frame while a Tint 10 000 ms press
runs in its worker. Prints the processor with the figures.

Usage: web-bench.py PAGE_HTML VELTRUM_BENCH [REPEATS]"""

import os
import re
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page_driver import Page  # noqa: E402

# One press through the page, timed inside it: the click, then the moment the window's
# last label is written and the page is no longer busy; the longest gap between two
# animation frames meanwhile.
PRESS = """
const done = arguments[arguments.length - 1];
const gaps = [];
let last = performance.now();
let running = true;
const frame = (now) => { gaps.push(now - last); last = now; if (running) requestAnimationFrame(frame); };
requestAnimationFrame(frame);
const start = performance.now();
const watch = new MutationObserver(() => {
  if (document.body.dataset.busy === undefined) {
    const elapsed = performance.now() - start;
    running = false;
    watch.disconnect();
    done({elapsed, longestFrame: Math.max(...gaps, performance.now() - last)});
  }
});
watch.observe(document.body, {attributes: true, attributeFilter: ['data-busy']});
document.getElementById('btnsum').click();
"""


def processor():
    fields = {}
    with open("/proc/cpuinfo", encoding="utf-8") as info:
        for line in info:
            key, _, value = line.partition(":")
            fields.setdefault(key.strip(), value.strip())
    return (f"{fields.get('model name', '?')} ({fields.get('vendor_id', '?')}, family "
            f"{fields.get('cpu family', '?')}, model {fields.get('model', '?')}), "
            f"{os.cpu_count()} cores, "
            f"{'AVX-512' if 'avx512f' in fields.get('flags', '') else 'AVX2' if 'avx2' in fields.get('flags', '') else 'SSE2'}")


def desktop_press(bench, repeats):
    """The median of the desktop window's press, from veltrum_bench's console report."""
    output = subprocess.run(
        [bench, "--benchmark_filter=^BM_WindowClickSummator/1000$", "--benchmark_color=false",
         f"--benchmark_repetitions={repeats}", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    plain = re.sub(r"\x1b\[[0-9;]*m", "", output.stdout.decode("utf-8"))
    for line in plain.splitlines():
        found = re.match(r"^BM_WindowClickSummator/1000_median\s+([\d.]+) (ms|us|ns|s)\b", line)
        if found:
            return float(found.group(1)) * {"ms": 1, "us": 1e-3, "ns": 1e-6, "s": 1e3}[found.group(2)]
    sys.exit("web-bench: veltrum_bench gave no median of BM_WindowClickSummator/1000")


def page_presses(page, tint, repeats):
    page.type("txtTint", str(tint))
    page.press("btnsum")  # the first press warms the worker's code
    return [page.driver.execute_async_script(PRESS) for _ in range(repeats)]


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: web-bench.py PAGE_HTML VELTRUM_BENCH [REPEATS]")
    html, bench = sys.argv[1], sys.argv[2]
    repeats = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    print(f"On {processor()}")
    page = Page(html)
    try:
        # Interleaved: the desktop's press, the page's, the desktop's again.
        desktop = [desktop_press(bench, repeats)]
        browser = page_presses(page, 1000, repeats)
        desktop.append(desktop_press(bench, repeats))
        long_press = page_presses(page, 10000, 2)
    finally:
        page.close()
    desktop_ms = statistics.median(desktop)
    browser_ms = statistics.median(p["elapsed"] for p in browser)
    print(f"summator press, Tint 1000 ms: desktop window {desktop_ms:.1f} ms "
          f"(runs {', '.join(f'{d:.1f}' for d in desktop)}), page {browser_ms:.1f} ms "
          f"(median of {len(browser)}); the page takes {browser_ms / desktop_ms:.2f}× the "
          f"desktop's time (the bound is 6×)")
    longest = max(p["longestFrame"] for p in long_press)
    print(f"summator press, Tint 10 000 ms: page {statistics.median(p['elapsed'] for p in long_press):.0f} ms, "
          f"its longest frame {longest:.1f} ms (the bound is 250 ms)")


if __name__ == "__main__":
    main()
