#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the blocks of the guide as C++ for lupdate: one QT_TRANSLATE_NOOP("Guide", …)
per block, so that every block is a text of the catalogues. The file is never compiled.

Usage: guide-texts.py GUIDE_MD OUTPUT_CPP
"""

import sys
from pathlib import Path

from veltrum_guide import guide_blocks, read_guide


def c_string(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    return f'"{escaped}"'


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: guide-texts.py GUIDE_MD OUTPUT_CPP")
    guide, output = Path(sys.argv[1]), Path(sys.argv[2])
    lines = ["// The blocks of the guide, for lupdate. Made by scripts/guide-texts.py.", ""]
    for block in guide_blocks(read_guide(guide)):
        lines.append(f'QT_TRANSLATE_NOOP("Guide", {c_string(block)});')
    output.parent.mkdir(parents=True, exist_ok=True)
    text = "\n".join(lines) + "\n"
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
