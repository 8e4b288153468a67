# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up for scripts/play, scripts/test and the scripts they run:
# installs what is missing from Debian's packages, then configures and
# builds incrementally. Sourced, not run.

TENEBRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What every build makes the catalogues and the translated help pages with,
# for Linux, Windows and the browser alike. gettext's rules for the
# translations of the software centre's description (metainfo.its) come
# with appstream.
TENEBRIX_TRANSLATION_PACKAGES=(gettext po4a appstream)

# What building and running the game needs, and nothing more.
TENEBRIX_PLAYER_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev
    fonts-liberation
    "${TENEBRIX_TRANSLATION_PACKAGES[@]}"
)

# What the tests, benchmarks, fuzzing, valgrind runs and the package checks
# need on top: one package or a few per line, add to the end. The Windows
# compiler and Wine are not here: only the steps that build or run Windows
# programs install them, so play, fuzz, valgrind and screenshot never do.
TENEBRIX_DEVELOPER_PACKAGES=(
    pkg-config libgl-dev
    libbenchmark-dev
    xvfb xauth imagemagick x11-utils libxcb1-dev
    desktop-file-utils dpkg-dev file
    lintian man-db groff-base
    clang libclang-rt-14-dev valgrind
    fonts-noto-cjk
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing_packages [PACKAGE...]: the player's and developer's lists
# when none are named. TENEBRIX_NO_INSTALL=1 installs nothing, for a machine
# that has what is needed by other means. Without apt-get it stops, naming
# the packages to install.
install_missing_packages() {
    [ "${TENEBRIX_NO_INSTALL:-}" = 1 ] && return 0
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${TENEBRIX_PLAYER_PACKAGES[@]}" "${TENEBRIX_DEVELOPER_PACKAGES[@]}")
    local missing=()
    local pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! command -v apt-get >/dev/null; then
        echo "This machine has no apt-get to install what is missing: install the Debian" \
            "packages ${missing[*]} or your system's equivalents, then run again with" \
            "TENEBRIX_NO_INSTALL=1." >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# tool_missing STEP WHAT [WHAT IS LEFT UNDONE]: STEP cannot run a check it
# promises because WHAT is missing. On a player's or contributor's machine
# that is a SKIPPED line and the caller goes on; under CI (CI set, as CI
# services set it), where the test command has installed everything, a
# missing tool is a fault of the set-up: it fails, naming WHAT.
tool_missing() {
    if [ -n "${CI:-}" ]; then
        echo "$1: FAILED: $2 is missing, and under CI every check must run" \
            "(scripts/test installs what it needs)" >&2
        exit 1
    fi
    echo "$1: SKIPPED: $2 is missing${3:+; $3}" >&2
}

# A cache entry's value in BUILD_DIR's CMakeCache.txt; empty when unset.
cached_value() {
    sed -n "s/^$2:[A-Za-z]*=//p" "$1/CMakeCache.txt" | head -n 1
}

# A cache entry's type (PATH, BOOL, STRING, ...) in BUILD_DIR's cache.
cached_type() {
    sed -n "s/^$2:\([A-Za-z]*\)=.*/\1/p" "$1/CMakeCache.txt" | head -n 1
}

# CMake's truth of a BOOL value: ON or OFF, as if() reads it.
cmake_truth() {
    case ${1^^} in
        1 | ON | YES | TRUE | Y) echo ON ;;
        *) [[ "$1" =~ ^[1-9][0-9]*$ ]] && echo ON || echo OFF ;;
    esac
}

# Succeeds when asking for VALUE gives the cached entry NAME the value it
# has, as CMake stores it: a path made absolute from the current folder,
# without "." and ".." steps or a final slash; a BOOL by its truth.
cache_holds() {
    local dir=$1 name=$2 wanted=$3 cached
    cached=$(cached_value "$dir" "$name")
    [ "$cached" = "$wanted" ] && return 0
    case $(cached_type "$dir" "$name") in
        PATH | FILEPATH) [ -n "$wanted" ] && [ "$(realpath -m -s -- "$wanted")" = "$cached" ] ;;
        BOOL) [ "$(cmake_truth "$wanted")" = "$(cmake_truth "$cached")" ] ;;
        *) return 1 ;;
    esac
}

# Succeeds when every -DNAME=VALUE or -DNAME:TYPE=VALUE among the arguments
# already has that value in BUILD_DIR's cache.
cache_has_options() {
    local dir=$1 argument setting name
    shift
    for argument in "$@"; do
        [[ "$argument" == -D* ]] || continue
        setting=${argument#-D}
        name=${setting%%=*}
        name=${name%%:*}
        cache_holds "$dir" "$name" "${setting#*=}" || return 1
    done
}

# The tools and headers of ours (TENEBRIX_* entries) that BUILD_DIR's cache
# holds as not found, on one line.
tools_not_found() {
    sed -n 's/^\(TENEBRIX_[A-Za-z0-9_]*\):[A-Z]*=.*-NOTFOUND$/\1/p' "$1/CMakeCache.txt" | paste -sd ' '
}

# Succeeds when BUILD_DIR's cache holds a tool not found and something may
# have been installed since: Debian's package list or a folder on PATH
# changed after the cache was written. CMake looks such an entry up again
# whenever it configures; without that a tool installed by a later step
# would stay missing in this folder.
cache_misses_a_new_tool() {
    local dir=$1 place IFS=:
    [ -n "$(tools_not_found "$dir")" ] || return 1
    for place in /var/lib/dpkg/status $PATH; do
        [ "$place" -nt "$dir/CMakeCache.txt" ] && return 0
    done
    return 1
}

# configure BUILD_DIR [cmake arguments...]: configures BUILD_DIR with Ninja;
# configures it again when one of the options asked for differs from what
# it holds, or when a tool it did not find may be there now. A folder made by
# another generator is left alone, with a word on what to do, rather than
# mixed with a second build system.
configure() {
    local dir=$1
    shift
    if [ -f "$dir/CMakeCache.txt" ]; then
        local generator
        generator=$(cached_value "$dir" CMAKE_GENERATOR)
        if [ -n "$generator" ] && [ "$generator" != Ninja ]; then
            echo "$dir was configured with the '$generator' generator; these scripts build it" \
                "with Ninja. Remove it (rm -rf '$dir') and run this again." >&2
            return 1
        fi
        if [ -f "$dir/build.ninja" ] && cache_has_options "$dir" "$@"; then
            cache_misses_a_new_tool "$dir" || return 0
            echo "Configuring $dir again: it did not find $(tools_not_found "$dir")," \
                "and something was installed since"
        else
            echo "Configuring $dir again with: $*"
        fi
    fi
    cmake -S "$TENEBRIX_ROOT" -B "$dir" -G Ninja "$@"
}

# configure_and_build BUILD_DIR [cmake arguments...]: configures as above,
# then builds everything in it.
configure_and_build() {
    configure "$@" || return 1
    cmake --build "$1"
}
