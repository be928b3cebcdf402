#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The package check of the README's commands, run as an ordinary user: a fake apt-get
# and a fake sudo first on PATH write down every call. Nothing may be called when every
# package is installed; exactly the missing names when one is not. Run as root, the
# test drops to the user "nobody" (setpriv or runuser) for the ordinary user's cases and
# also checks that root calls apt-get itself. Exit status 77: skipped, with the reason.
# Usage: PackageCheckTest.sh PATH/TO/scripts/common.sh
set -uo pipefail

common="$1"
missing="veltrum-test-no-such-package"
installed="bash coreutils dpkg" # essential: on every Debian system

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cp "$common" "$work/common.sh"
cat >"$work/bin/apt-get" <<'FAKE'
#!/bin/sh
echo "apt-get $*" >>"$VELTRUM_TEST_LOG"
FAKE
# A sudo that needs a password: "sudo -n" (never ask) fails, as it does for a user who
# has not typed the password lately.
cat >"$work/bin/sudo" <<'FAKE'
#!/bin/sh
[ "$1" = "-n" ] && exit 1
echo "sudo $*" >>"$VELTRUM_TEST_LOG"
exec "$@"
FAKE
chmod 755 "$work/bin/apt-get" "$work/bin/sudo"
chmod 777 "$work"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# How to run a command as an ordinary user.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null 2>&1; then
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
    elif command -v runuser >/dev/null 2>&1; then
        as_user=(runuser -u nobody --)
    else
        echo "skipped: running as root with neither setpriv nor runuser to become an ordinary user"
        exit 77
    fi
fi

# check NAME PACKAGES [terminal]: sources the script as the user and asks for PACKAGES;
# sets status, log and said (standard error).
check() {
    local packages="$1" terminal="${2:-}"
    local log="$work/calls.log" err="$work/stderr.log"
    rm -f "$log" "$err"
    touch "$log" "$err"
    chmod 666 "$log" "$err"
    local body="source '$work/common.sh'; veltrum_install_packages $packages"
    local command=(env -i PATH="$work/bin:/usr/sbin:/usr/bin:/sbin:/bin" HOME="$work"
                   VELTRUM_TEST_LOG="$log" bash -c "$body 2>>'$err'")
    if [ -n "$terminal" ]; then
        "${as_user[@]}" script -qec "$(printf '%q ' "${command[@]}")" /dev/null </dev/null >/dev/null
    else
        "${as_user[@]}" "${command[@]}" </dev/null >/dev/null
    fi
    status=$?
    log_text="$(cat "$log")"
    said="$(cat "$err")"
}

# 1. Everything installed: no apt, no sudo, success.
check "$installed"
[ "$status" -eq 0 ] || fail "all installed: exit status $status"
[ -z "$log_text" ] || fail "all installed: called $log_text"
[ -z "$said" ] || fail "all installed: said $said"

# 2. One missing, no terminal: nothing called, one line with the exact command, failure.
check "$installed $missing"
[ "$status" -ne 0 ] || fail "missing, no terminal: exit status 0"
[ -z "$log_text" ] || fail "missing, no terminal: called $log_text"
[ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] || fail "missing, no terminal: said more than one line: $said"
case "$said" in
*"sudo apt-get install -y $missing") ;;
*) fail "missing, no terminal: the line lacks the command: $said" ;;
esac

# 3. One missing, with a terminal: sudo installs exactly the missing package.
if script -qec true /dev/null </dev/null >/dev/null 2>&1; then
    check "$installed $missing" terminal
    [ "$status" -eq 0 ] || fail "missing, terminal: exit status $status ($said)"
    install_line="$(grep '^sudo .*apt-get install' <<<"$log_text")"
    case "$install_line" in
    "sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing") ;;
    *) fail "missing, terminal: expected sudo to install only $missing, saw: $log_text" ;;
    esac
    grep -q "^apt-get install -y -qq --no-install-recommends $missing\$" <<<"$log_text" ||
        fail "missing, terminal: apt-get was not called with exactly $missing: $log_text"
else
    echo "note: no pseudo-terminal here; the sudo case is not checked"
fi

# 4. Root: apt-get itself, exactly the missing package, no sudo.
if [ "$(id -u)" -eq 0 ]; then
    as_user=()
    check "$installed $missing"
    [ "$status" -eq 0 ] || fail "root: exit status $status"
    grep -q sudo <<<"$log_text" && fail "root: sudo was called: $log_text"
    grep -q "^apt-get install -y -qq --no-install-recommends $missing\$" <<<"$log_text" ||
        fail "root: apt-get was not called with exactly $missing: $log_text"
fi

[ "$failures" -eq 0 ] && echo "package check: all cases passed"
[ "$failures" -eq 0 ]
