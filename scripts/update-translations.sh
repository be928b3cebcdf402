#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Brings every catalogue of translations/languages up to date with the program's texts
# (lupdate over the C++ of every layer and the guide's blocks): new texts come in
# unfinished, for Qt Linguist; texts no longer in the program go. A language newly added to
# translations/languages gets its veltrum_<code>.ts here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_PACKAGES[@]}"
dir="$VELTRUM_ROOT/build/release"
if [ -f "$dir/CMakeCache.txt" ]; then
    cmake "$dir" >/dev/null # translations/languages read again
else
    cmake -S "$VELTRUM_ROOT" --preset release -G Ninja >/dev/null
fi
cmake --build "$dir" --target update_translations
for line in $(grep -v '^#' "$VELTRUM_ROOT/translations/languages"); do
    ts="$VELTRUM_ROOT/translations/veltrum_$line.ts"
    echo "$ts: $(grep -c '<message>' "$ts") texts, $(grep -c 'type="unfinished"' "$ts") to translate"
done
