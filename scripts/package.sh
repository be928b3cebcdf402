#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the release and the Debian package of Veltrum for lab computers. The last line
# printed is the path of the package; install it with: sudo apt install ./veltrum_*.deb
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

veltrum_install_packages "${VELTRUM_PACKAGES[@]}" "${VELTRUM_PACKAGING_PACKAGES[@]}" \
    "${VELTRUM_WEB_PACKAGES[@]}"
# The browser edition goes into the package beside the program.
bash "$VELTRUM_ROOT/scripts/build-web.sh" >&2
veltrum_build release veltrum veltrum_packaging_files >&2

package_dir="$VELTRUM_ROOT/build/release/package"
rm -f "$package_dir"/veltrum_*.deb
# A package is made with the permissions Debian expects, whatever the user's umask.
(umask 022 && cd "$VELTRUM_ROOT/build/release" && cpack -G DEB) >&2
packages=("$package_dir"/veltrum_*.deb)
if [ "${#packages[@]}" -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "veltrum: cpack made no package in $package_dir" >&2
    exit 1
fi
echo "${packages[0]}"
