#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The command line on a terminal without a display: --version and --help answer, the batch
# mode prints one JSON line per press and ends with 0, a refused press prints the window's
# message on standard error and ends with 2, a setup that is not one ends with 2. --lang en
# (or VELTRUM_LANG=en) answers in English with the same numbers; an unknown --lang ends
# with 1; the language chosen for the window is remembered in the settings for the next start.
# Usage: CommandLineTest.sh VELTRUM SETUP
set -uo pipefail
veltrum="$1"
setup="$2"
fail() { echo "command line: $1" >&2; exit 1; }
config="$(mktemp -d)"
bad="$(mktemp)"
trap 'rm -rf "$bad" "$config"' EXIT
# No display, no language asked for, and settings of its own (never the user's).
plain() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u VELTRUM_LANG \
        XDG_CONFIG_HOME="$config" LANG=C.UTF-8 LC_ALL=C.UTF-8 "$@"
}
run() { plain "$veltrum" "$@"; }

[ "$(run --version)" = "veltrum 1.0.0" ] || fail "--version: $(run --version 2>&1)"
run --help | grep -q -- "--batch" || fail "--help says nothing of --batch"

out="$(run --batch --setup "$setup" --press btnsum --press btnT1)"; status=$?
[ "$status" -eq 0 ] || fail "the batch ended with $status"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 2 ] || fail "not two lines: $out"
printf '%s\n' "$out" | head -n 1 | grep -q '^{"press": "btnsum", "title": "Эффект накопления теплового сигнала в сумматоре", "labels": {"lblTa1": "Ta1=' \
    || fail "the summator's line: $out"
[ "$(run --batch --setup "$setup" --press btnsum | head -n 1)" = "$(printf '%s\n' "$out" | head -n 1)" ] \
    || fail "the same setup and press read otherwise"

printf '{"format": "veltrum-setup", "version": 1, "fields": {"txtF22": "0"}}' > "$bad"
err="$(run --batch --setup "$bad" --press btnUVF --press btnASP 2>&1 >/dev/null)"; status=$?
[ "$status" -eq 2 ] || fail "a refused press ended with $status"
printf '%s' "$err" | grep -q "диапазон АЦП равен нулю" || fail "the message: $err"
printf 'not a setup' > "$bad"
err="$(run --batch --setup "$bad" --press btnsum 2>&1)"; status=$?
[ "$status" -eq 2 ] || fail "a bad setup ended with $status"
printf '%s' "$err" | grep -q "Не удалось открыть установку" || fail "the message: $err"
# The same in English: the words change, the numbers do not.
run --lang en --help | grep -q "The setup to open in the window" || fail "--lang en --help"
plain VELTRUM_LANG=en "$veltrum" --help | grep -q "The setup to open" || fail "VELTRUM_LANG=en"
english="$(run --lang=en --batch --setup "$setup" --press btnsum)"
printf '%s' "$english" | grep -q '"title": "Accumulation of the thermal signal in the summator"' \
    || fail "the English title: $english"
words() { sed 's/"title": "[^"]*"//' <<<"$1"; }
[ "$(words "$english")" = "$(words "$(printf '%s\n' "$out" | head -n 1)")" ] \
    || fail "English numbers differ: $english"
err="$(run --lang xx --version 2>&1)"; status=$?
[ "$status" -eq 1 ] || fail "an unknown --lang ended with $status"
printf '%s' "$err" | grep -q "нет языка «xx»; есть: ru, en" || fail "the message: $err"
err="$(plain VELTRUM_LANG=de "$veltrum" --version 2>&1)"; status=$?
[ "$status" -eq 0 ] || fail "an unknown VELTRUM_LANG ended with $status"
printf '%s' "$err" | grep -q "нет языка «de»" || fail "the message: $err"
[ ! -e "$config/Veltrum/veltrum.conf" ] || fail "a language was remembered without a window"

# The window remembers --lang for the next start (it is stopped after a moment).
window() { plain QT_QPA_PLATFORM=offscreen timeout 3 "$veltrum" "$@" >/dev/null 2>&1; }
window --lang en
grep -q '^language=en$' "$config/Veltrum/veltrum.conf" || fail "--lang en not remembered"
run --help | grep -q "The setup to open in the window" || fail "the remembered English"
# A script's batch reads the same texts whoever opened the window before.
run --batch --setup "$setup" --press btnsum | grep -q '"title": "Эффект накопления' \
    || fail "the batch took the language remembered for the window"
plain VELTRUM_LANG=ru "$veltrum" --help | grep -q "Установка, которую открыть" \
    || fail "VELTRUM_LANG=ru over the remembered English"
window --lang ru
run --help | grep -q "Установка, которую открыть" || fail "--lang ru not remembered"
echo "command line: fine"
