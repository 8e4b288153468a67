# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up for scripts/play and scripts/test: installs what is missing
# from Debian's packages, then configures and builds incrementally.
# Sourced, not run.

TENEBRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything the game, its tests and its tools need from Debian 12.
TENEBRIX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libbenchmark-dev
    fonts-liberation
    xvfb xauth imagemagick x11-utils libxcb1-dev
    desktop-file-utils appstream dpkg-dev file
    clang libclang-rt-14-dev valgrind
    g++-mingw-w64-x86-64-posix wine64
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=()
    local pkg
    for pkg in "${TENEBRIX_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [extra cmake arguments...]
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$TENEBRIX_ROOT" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir"
}
