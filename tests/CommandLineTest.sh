#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The command line on a terminal without a display: --version and --help answer, the batch
# mode prints one JSON line per press and ends with 0, a refused press prints the window's
# message on standard error and ends with 2, a setup that is not one ends with 2.
# Usage: CommandLineTest.sh VELTRUM SETUP
set -uo pipefail
veltrum="$1"
setup="$2"
fail() { echo "command line: $1" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C.UTF-8 LC_ALL=C.UTF-8 "$veltrum" "$@"; }

[ "$(run --version)" = "veltrum 1.0.0" ] || fail "--version: $(run --version 2>&1)"
run --help | grep -q -- "--batch" || fail "--help says nothing of --batch"

out="$(run --batch --setup "$setup" --press btnsum --press btnT1)"; status=$?
[ "$status" -eq 0 ] || fail "the batch ended with $status"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 2 ] || fail "not two lines: $out"
printf '%s\n' "$out" | head -n 1 | grep -q '^{"press": "btnsum", "title": "Эффект накопления теплового сигнала в сумматоре", "labels": {"lblTa1": "Ta1=' \
    || fail "the summator's line: $out"
[ "$(run --batch --setup "$setup" --press btnsum | head -n 1)" = "$(printf '%s\n' "$out" | head -n 1)" ] \
    || fail "the same setup and press read otherwise"

bad="$(mktemp)"
trap 'rm -f "$bad"' EXIT
printf '{"format": "veltrum-setup", "version": 1, "fields": {"txtF22": "0"}}' > "$bad"
err="$(run --batch --setup "$bad" --press btnUVF --press btnASP 2>&1 >/dev/null)"; status=$?
[ "$status" -eq 2 ] || fail "a refused press ended with $status"
printf '%s' "$err" | grep -q "диапазон АЦП равен нулю" || fail "the message: $err"
printf 'not a setup' > "$bad"
err="$(run --batch --setup "$bad" --press btnsum 2>&1)"; status=$?
[ "$status" -eq 2 ] || fail "a bad setup ended with $status"
printf '%s' "$err" | grep -q "Не удалось открыть установку" || fail "the message: $err"
echo "command line: fine"
