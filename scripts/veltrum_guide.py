# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The guide (help/guide.md) and the catalogues of translations/, for the tools that make
the translators' list of texts and the page's guide and catalogues.

The guide is split into blocks by the program's rule: the runs of lines between empty
lines (or lines of blanks), each without its last line break; every block is one text for
the translators, in the context "Guide".
"""

import re
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BLANK_LINE = re.compile(r"^[ \t\r]*$")


def read_guide(path):
    """A guide's text as written: UTF-8, its line ends untouched (the program reads the bytes;
    a lone carriage return is not a line end to it either)."""
    return Path(path).read_bytes().decode("utf-8")


def guide_blocks(markdown):
    """The blocks of a guide, in order."""
    blocks, lines = [], []
    for line in markdown.split("\n"):
        if line.endswith("\r"):
            line = line[:-1]
        if BLANK_LINE.match(line):
            if lines:
                blocks.append("\n".join(lines))
            lines = []
        else:
            lines.append(line)
    if lines:
        blocks.append("\n".join(lines))
    return blocks


def languages():
    """The codes of translations/languages, in order."""
    codes = []
    for line in (ROOT / "translations" / "languages").read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            codes.append(line)
    return codes


def catalogue(ts_file):
    """A .ts file's finished translations: {context: {source: translation}}."""
    texts = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                 "obsolete"):
                continue
            texts.setdefault(name, {})[message.findtext("source")] = translation.text or ""
    return texts
