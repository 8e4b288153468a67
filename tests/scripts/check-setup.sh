#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up scripts' shared part, scripts/setup.sh: when a build folder is
# configured again, what is installed where, and what happens on a machine
# without apt-get or with installing turned off. Installs nothing.
# Usage: check-setup.sh CMAKE
set -uo pipefail
readonly cmake=$1 root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../../scripts/setup.sh
source "$root/scripts/setup.sh"

failures=0
expect() {  # expect WHAT COMMAND...: COMMAND must succeed
    if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1" >&2; failures=$((failures + 1)); fi
}
refuse() {  # refuse WHAT COMMAND...: COMMAND must fail
    if "${@:2}"; then echo "FAIL: $1" >&2; failures=$((failures + 1)); else echo "ok: $1"; fi
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tenebrix-setup.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
scratch=$(realpath "$scratch")

# A tiny project with a path and a switch, configured from inside the
# scratch folder with a relative path, a final slash and an untyped switch.
mkdir -p "$scratch/src" "$scratch/work"
cat >"$scratch/src/CMakeLists.txt" <<'END'
cmake_minimum_required(VERSION 3.25)
project(probe NONE)
set(PROBE_DIR "" CACHE PATH "a folder")
option(PROBE_SWITCH "a switch" OFF)
set(PROBE_NAME "" CACHE STRING "a text")
END
cd "$scratch/work" || exit 1
"$cmake" -S ../src -B build -DPROBE_DIR=data/../maps/ -DCMAKE_INSTALL_PREFIX=../inst \
    -DPROBE_SWITCH=yes -DPROBE_NAME:STRING=a >/dev/null || exit 1

expect "the same relative path, as CMake made it absolute" \
    cache_has_options build -DPROBE_DIR=data/../maps/ -DCMAKE_INSTALL_PREFIX=../inst
expect "the absolute form of the same paths" \
    cache_has_options build "-DPROBE_DIR=$scratch/work/maps" "-DCMAKE_INSTALL_PREFIX=$scratch/inst"
expect "a typed option with its type" cache_has_options build -DPROBE_DIR:PATH=maps
expect "ON for a switch set to yes" cache_has_options build -DPROBE_SWITCH=ON -DPROBE_NAME=a
refuse "another folder" cache_has_options build -DPROBE_DIR=maps/more
refuse "the same name from another folder" cache_has_options build -DCMAKE_INSTALL_PREFIX=inst
refuse "OFF for a switch set to yes" cache_has_options build -DPROBE_SWITCH=OFF
refuse "a text differing in case" cache_has_options build -DPROBE_NAME=A
refuse "an option the cache lacks" cache_has_options build -DPROBE_OTHER=ON

# Windows tools belong to the Windows step alone.
for package in "${TENEBRIX_PLAYER_PACKAGES[@]}" "${TENEBRIX_DEVELOPER_PACKAGES[@]}"; do
    refuse "$package is not a Windows tool" grep -Eq '^(wine|.*mingw)' <<<"$package"
done
for script in play fuzz valgrind screenshot; do
    refuse "scripts/$script names no Windows tool" grep -Eq 'wine|mingw' "$root/scripts/$script"
done
expect "scripts/windows-test installs the Windows compiler" \
    grep -Eq '^install_missing_packages .*g\+\+-mingw-w64-x86-64-posix' "$root/scripts/windows-test"
expect "and Wine, with its wine command" \
    grep -Eq '^install_missing_packages .*wine( |.*)wine64' "$root/scripts/windows-test"

# No apt-get and no dpkg-query: stop, naming the packages, in one sentence.
mkdir -p "$scratch/bin"
for tool in grep sed head; do ln -s "$(command -v "$tool")" "$scratch/bin/$tool"; done
message=$(PATH=$scratch/bin install_missing_packages probe-one probe-two 2>&1)
status=$?
expect "without apt-get, installing fails" test "$status" -ne 0
expect "and names the packages and the way round: $message" \
    grep -q 'probe-one probe-two .*TENEBRIX_NO_INSTALL=1\.$' <<<"$message"
expect "in one sentence" test "$(grep -o '\. ' <<<"$message" | wc -l)" -eq 0
message=$(TENEBRIX_NO_INSTALL=1 PATH=$scratch/bin install_missing_packages probe-one 2>&1)
expect "TENEBRIX_NO_INSTALL=1 installs nothing and goes on" test $? -eq 0 -a -z "$message"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
