#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the one self-contained page veltrum.html: the template web/page/index.html with
the styles, the worker's source (the core's WebAssembly loader, the module embedded, then
web/page/worker.js) and the page's ES modules put inline. The modules are joined in the
order of their imports, their import lines dropped and their exports made plain
declarations (every top-level name is unique across the modules; this is checked).
The page's languages go in as JSON: for each, its catalogue (from translations/*.ts, the
same texts as the desktop's) and the guide (help/guide.md, translated block by block)
made into HTML.

Usage: bundle-web.py PAGE_FOLDER CORE_JS OUTPUT_HTML
"""

import json
import re
import sys
from pathlib import Path

import markdown

from veltrum_guide import ROOT, catalogue, guide_blocks, languages, read_guide

IMPORT = re.compile(r"^import\s+\{[^}]*\}\s+from\s+'\./([\w-]+\.js)';\s*$", re.M)
DECLARATION = re.compile(r"^(?:export\s+)?(?:async\s+)?(?:function\*?|class|const|let|var)\s+([A-Za-z_$][\w$]*)", re.M)

LICENCES = """<!--
Veltrum: GPL-3.0-or-later. This file also holds, compiled into its WebAssembly module:
fast_float (Daniel Lemire and others; Apache-2.0 OR MIT OR BSL-1.0),
{fmt} (Victor Zverovich and others; MIT, with its exception for compiled forms),
libc++ and libc++abi of LLVM (Apache-2.0 WITH LLVM-exception), musl libc (MIT),
and the runtime of Emscripten (MIT OR NCSA).
-->"""


def fail(message):
    sys.exit(f"bundle-web: {message}")


def module_order(folder, entry):
    """The modules reachable from entry, every module after those it imports."""
    order, visiting = [], set()

    def visit(name):
        if name in order:
            return
        if name in visiting:
            fail(f"imports go round in a circle at {name}")
        visiting.add(name)
        source = (folder / name).read_text(encoding="utf-8")
        for dependency in IMPORT.findall(source):
            visit(dependency)
        visiting.discard(name)
        order.append(name)

    visit(entry)
    return order


def plain_module(source, name):
    if re.search(r"^\s*import\s", IMPORT.sub("", source), re.M):
        fail(f"{name}: an import the bundler does not understand")
    source = IMPORT.sub("", source)
    return re.sub(r"^export\s+", "", source, flags=re.M)


def inline_safe(text, what):
    if re.search(r"</script", text, re.I):
        fail(f"{what} holds '</script', which would end its element")
    return text


def guide_html(blocks):
    """The guide's blocks as HTML: its tables, and its headings' anchors as their ids."""
    return markdown.markdown("\n\n".join(blocks), extensions=["tables", "attr_list"])


def page_languages():
    """{code: {"catalogue": {context: {source: translation}}, "guide": html}}: Russian, the
    source, without a catalogue, then every language of translations/languages."""
    blocks = guide_blocks(read_guide(ROOT / "help" / "guide.md"))
    made = {"ru": {"catalogue": {}, "guide": guide_html(blocks)}}
    for code in languages():
        texts = catalogue(ROOT / "translations" / f"veltrum_{code}.ts")
        guide = texts.pop("Guide", {})
        missing = [block for block in blocks if block not in guide]
        if missing:
            fail(f"veltrum_{code}.ts has no translation of the guide's block {missing[0][:60]!r}")
        made[code] = {"catalogue": texts, "guide": guide_html([guide[block] for block in blocks])}
    # Inside a script element: "</" written as "<\/", which JSON reads as the same.
    return json.dumps(made, ensure_ascii=False, sort_keys=True).replace("</", "<\\/")


def main():
    if len(sys.argv) != 4:
        fail("usage: bundle-web.py PAGE_FOLDER CORE_JS OUTPUT_HTML")
    folder, core, output = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])

    names = {}
    modules = []
    for name in module_order(folder, "main.js"):
        source = plain_module((folder / name).read_text(encoding="utf-8"), name)
        for declared in DECLARATION.findall(source):
            if declared in names:
                fail(f"{declared} is declared in both {names[declared]} and {name}")
            names[declared] = name
        modules.append(f"// ---- {name}\n{source}")
    main_source = inline_safe("\n".join(modules), "the page's modules")
    worker = inline_safe(core.read_text(encoding="utf-8") + "\n" +
                         (folder / "worker.js").read_text(encoding="utf-8"), "the worker")
    style = (folder / "style.css").read_text(encoding="utf-8")

    page = (folder / "index.html").read_text(encoding="utf-8")
    for marker, text in (("/*@STYLE@*/", style), ("/*@WORKER@*/", worker),
                         ("/*@MAIN@*/", main_source), ("/*@LANGUAGES@*/", page_languages()),
                         ("<!--@LICENCES@-->", LICENCES)):
        if page.count(marker) != 1:
            fail(f"the template must hold {marker} once")
        page = page.replace(marker, text)
    output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
