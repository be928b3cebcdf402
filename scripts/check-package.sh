#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks a Debian package of Veltrum: lintian finds no error, its AppStream metadata and
# desktop entry validate, and the program unpacked from it starts (offscreen) and keeps
# running. Usage: check-package.sh PATH/TO/veltrum_VERSION_amd64.deb
set -euo pipefail
package="$1"

echo "== lintian $(basename "$package")"
lintian --fail-on error --tag-display-limit 0 "$package"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"

echo "== AppStream metadata and desktop entry"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.veltrum.Veltrum.metainfo.xml"
desktop-file-validate "$unpacked/usr/share/applications/org.veltrum.Veltrum.desktop"

echo "== lab setups open in Veltrum: the MIME type and the desktop entry's %f"
mime="$unpacked/usr/share/mime/packages/org.veltrum.Veltrum.xml"
if [ ! -s "$mime" ]; then
    echo "veltrum: the package registers no MIME type for lab setups" >&2
    exit 1
fi
mimes="$(mktemp -d)"
mkdir -p "$mimes/packages"
cp "$mime" "$mimes/packages/"
update-mime-database "$mimes"
grep -q 'application/x-veltrum-setup' "$mimes/globs2" || { echo "veltrum: *.veltrum is not known" >&2; exit 1; }
rm -rf "$mimes"
grep -q '^Exec=veltrum %f$' "$unpacked/usr/share/applications/org.veltrum.Veltrum.desktop"
grep -q '^MimeType=application/x-veltrum-setup;$' "$unpacked/usr/share/applications/org.veltrum.Veltrum.desktop"

echo "== the browser edition is there, one self-contained page"
page="$unpacked/usr/share/veltrum/veltrum.html"
if [ ! -s "$page" ] || ! grep -q 'id="veltrum-worker"' "$page"; then
    echo "veltrum: the package carries no browser edition at /usr/share/veltrum/veltrum.html" >&2
    exit 1
fi

echo "== the unpacked program starts"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$unpacked/usr/bin/veltrum" || status=$?
if [ "$status" -ne 124 ]; then
    echo "veltrum: the unpacked program ended by itself with status $status instead of running" >&2
    exit 1
fi
echo "package check: $(basename "$package") is fine"
