# Shared by run.sh and test.sh: install what the program needs from Debian, then
# configure and build one CMake preset. Sourced, not run.

VELTRUM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages for building, testing and showing the window.
VELTRUM_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation2
    desktop-file-utils
    libgtest-dev libgmock-dev libbenchmark-dev
)

veltrum_missing_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    printf '%s\n' "${missing[@]}"
}

veltrum_install_packages() {
    command -v dpkg-query >/dev/null 2>&1 || {
        echo "veltrum: not a Debian system; install CMake, a C++17 compiler, Qt 6 Widgets, GoogleTest and Google Benchmark by hand." >&2
        return 0
    }
    local missing
    mapfile -t missing < <(veltrum_missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo -n)
        else
            echo "veltrum: these Debian packages are missing: ${missing[*]}" >&2
            echo "veltrum: run as root, or install them with: sudo apt-get install -y ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "veltrum: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq </dev/null
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
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
