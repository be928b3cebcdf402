# SPDX-FileCopyrightText: 2026 Veltrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by run.sh, test.sh and package.sh: install the Debian packages Veltrum needs
# when (and only when) some are missing, then configure and build one CMake preset.
# Sourced, not run.

VELTRUM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages for building, testing and showing the window.
VELTRUM_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
    qt6-tools-dev qt6-l10n-tools python3
    fonts-dejavu-core fonts-liberation2
    desktop-file-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    libfast-float-dev libfmt-dev nlohmann-json3-dev
)

# Debian packages for the browser edition: Emscripten for the core, Python for joining the
# page into one file; Chromium, its driver and Selenium for testing it in a real browser.
VELTRUM_WEB_PACKAGES=(
    cmake ninja-build emscripten python3 python3-markdown libfast-float-dev libfmt-dev
    nlohmann-json3-dev
)
VELTRUM_BROWSER_TEST_PACKAGES=(
    chromium chromium-driver python3-selenium
)

# Debian packages for making and checking the Debian package and the licence data.
VELTRUM_PACKAGING_PACKAGES=(
    dpkg-dev file lintian appstream reuse shared-mime-info poppler-utils
)

# Prints the names of the given packages that are not installed, one per line; prints
# nothing at all when every one of them is installed.
veltrum_missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

# Installs exactly the missing packages among the given ones. Nothing missing: returns
# at once, with no apt, no root and no network. Something missing: as root, apt-get;
# as an ordinary user with a terminal (or sudo that needs no password), sudo apt-get,
# which may ask for the password; otherwise one line with the command to run once, and
# a non-zero status.
veltrum_install_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        echo "veltrum: not a Debian system; install CMake, a C++17 compiler, Qt 6 Widgets and Charts, GoogleTest and Google Benchmark by hand." >&2
        return 0
    fi
    local missing=()
    mapfile -t missing < <(veltrum_missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0

    local as=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && { [ -t 0 ] || sudo -n true 2>/dev/null; }; then
            as=(sudo)
        else
            echo "veltrum: missing Debian packages; install them once (as root or with sudo): sudo apt-get install -y ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "veltrum: installing ${missing[*]}"
    "${as[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# veltrum_build PRESET [TARGET...]: configure once, then build incrementally in parallel.
veltrum_build() {
    local preset="$1"; shift
    local dir="$VELTRUM_ROOT/build/$preset"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$VELTRUM_ROOT" --preset "$preset" -G Ninja >/dev/null
    fi
    local targets=()
    [ "$#" -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" --parallel "$(nproc 2>/dev/null || echo 2)" "${targets[@]}"
}

# axe-core, the accessibility checker the browser tests run inside the page: from npm, at
# this version, into build/npm (MPL-2.0; the tests use it, the program never ships it).
# Nothing to do when that version is there already.
VELTRUM_AXE_VERSION=4.10.2
veltrum_install_axe() {
    local dir="$VELTRUM_ROOT/build/npm"
    if grep -qs "\"version\": \"$VELTRUM_AXE_VERSION\"" "$dir/node_modules/axe-core/package.json"; then
        return 0
    fi
    command -v npm >/dev/null 2>&1 || veltrum_install_packages npm || return 1
    mkdir -p "$dir"
    npm install --no-save --no-audit --no-fund --prefix "$dir" "axe-core@$VELTRUM_AXE_VERSION" >&2
}
