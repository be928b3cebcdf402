#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every catalogue is complete and up to date: lupdate, run on a copy of each .ts with the
# program's sources and the options the update target uses, changes nothing (no text new
# to it, none gone) and leaves no translation unfinished.
# Usage: TranslationsTest.sh LUPDATE SOURCES_LST "OPTIONS" TS_FILE...
set -uo pipefail
lupdate="$1" sources="$2"
read -r -a options <<<"${3//;/ }"
shift 3
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$@"; do
    name="$(basename "$ts")"
    cp "$ts" "$work/$name"
    if ! "$lupdate" "@$sources" "${options[@]}" -ts "$work/$name" >"$work/lupdate.log" 2>&1; then
        cat "$work/lupdate.log"
        echo "FAIL: lupdate did not run on $name"
        status=1
        continue
    fi
    if ! diff -u "$ts" "$work/$name" >"$work/diff"; then
        head -n 60 "$work/diff"
        echo "FAIL: $name does not hold the program's texts as they stand;" \
            "run: cmake --build BUILD --target update_translations, then translate"
        status=1
    fi
    if grep -n 'type="unfinished"' "$work/$name" >/dev/null; then
        grep -n -B2 'type="unfinished"' "$work/$name" | head -n 40
        echo "FAIL: $name has texts without a translation"
        status=1
    fi
    count="$(grep -c '<message>' "$work/$name")"
    echo "$name: $count texts, all translated"
done
exit "$status"
