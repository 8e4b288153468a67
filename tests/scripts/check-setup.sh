#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up scripts and their shared part, scripts/setup.sh: when a build
# folder is configured again, what is installed where and before what, what
# happens on a machine without apt-get or with installing turned off, and
# when a missing tool skips a check or, under CI, fails it. Installs nothing.
# Usage: check-setup.sh CMAKE
set -uo pipefail
readonly cmake=$(command -v "$1") root=$(cd "$(dirname "$0")/../.." && pwd)
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
    grep -Eq '^ *install_missing_packages .*g\+\+-mingw-w64-x86-64-posix' "$root/scripts/windows-test"
# Debian's wine64 alone brings no wine command.
for script in "$root"/scripts/*; do
    grep -Eq '^ *install_missing_packages .*wine64' "$script" || continue
    expect "${script#"$root/"} installs Wine with its wine command" \
        grep -Eq '^ *install_missing_packages .*wine( |.*)wine64' "$script"
done

# A step installs what it needs before it configures a build folder: CMake
# keeps what it did not find as not found.
for script in "$root"/scripts/*; do
    [ -x "$script" ] || continue  # the sourced parts configure nothing themselves
    first_configure=$(grep -nE '^[^#]*(\<configure(_and_build)? |emcmake |cmake -S)' "$script" |
        head -n 1 | cut -d: -f1)
    [ -n "$first_configure" ] || continue
    last_install=$(grep -nE '^[^#]*install_missing_packages' "$script" | tail -n 1 | cut -d: -f1)
    expect "${script#"$root/"} installs before it configures" \
        test "${last_install:-0}" -lt "$first_configure"
    # Every build makes the catalogues and the translated help pages, for
    # whichever platform: their tools (the player's list has them, and the
    # full lists when none is named) are installed first.
    expect "${script#"$root/"} installs the translation tools" \
        grep -Eq '^[^#]*install_missing_packages *($|.*TENEBRIX_(TRANSLATION|PLAYER)_PACKAGES)' "$script"
done

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

# A tool the build folder did not find is looked up again once something is
# installed, here a program put in a folder on PATH, and not before.
mkdir -p "$scratch/tooled/src" "$scratch/tooled/bin"
cat >"$scratch/tooled/src/CMakeLists.txt" <<'END'
cmake_minimum_required(VERSION 3.25)
project(probe NONE)
find_program(TENEBRIX_PROBE_TOOL tenebrix-probe-tool)
END
configure_probe() {  # configure() on that project; what it says goes to $said
    said=$(
        TENEBRIX_ROOT=$scratch/tooled/src PATH=$scratch/tooled/bin:$PATH
        cmake() { command "$cmake_program" "$@"; }
        configure "$scratch/tooled/build" 2>&1 | grep '^Configuring')
}
cmake_program=$cmake
configure_probe
tool=$(cached_value "$scratch/tooled/build" TENEBRIX_PROBE_TOOL)
expect "a tool not found is kept as not found: $tool" test "$tool" = TENEBRIX_PROBE_TOOL-NOTFOUND
configure_probe
expect "and not looked for again while nothing is installed: $said" test -z "$said"
sleep 0.1  # the folder's time must differ from the cache's, at any clock grain
printf '#!/bin/sh\n' >"$scratch/tooled/bin/tenebrix-probe-tool"
chmod +x "$scratch/tooled/bin/tenebrix-probe-tool"
configure_probe
expect "once it is installed, the folder is configured again: $said" \
    grep -q 'did not find TENEBRIX_PROBE_TOOL' <<<"$said"
expect "and finds it" \
    test "$(cached_value "$scratch/tooled/build" TENEBRIX_PROBE_TOOL)" = "$scratch/tooled/bin/tenebrix-probe-tool"

# The Windows installer looks for wixl when it is made, not when its build
# folder was configured: here with a stand-in wixl that writes its output.
packages=$scratch/packages
mkdir -p "$packages/work" "$packages/no-tools" "$packages/tools"
for file in TENEBRIX.exe Tenebrix.hlp COPYING Tenebrix.ico Tenebrix.wxs; do echo "$file" >"$packages/$file"; done
cat >"$packages/tools/wixl" <<'END'
#!/bin/sh
while [ $# -gt 1 ] && [ "$1" != -o ]; do shift; done
echo made by wixl >"$2"
END
chmod +x "$packages/tools/wixl"
make_installer() {  # make_installer PATH: what MakePackages.cmake says, with that PATH
    said=$(PATH=$1 "$cmake" -DWHAT=installer -DPROGRAM="$packages/TENEBRIX.exe" \
        -DHELP="$packages/Tenebrix.hlp" -DLICENCE="$packages/COPYING" -DWORK="$packages/work" \
        -DICON="$packages/Tenebrix.ico" -DWXS="$packages/Tenebrix.wxs" -DMSI="$packages/out.msi" -DVERSION=1.2.3 \
        -P "$root/packaging/windows/MakePackages.cmake" 2>&1)
}
make_installer "$packages/no-tools"
expect "without wixl the installer fails" test $? -ne 0
expect "naming it" grep -q 'The Windows installer needs wixl, which is missing' <<<"$said"
make_installer "$packages/tools"
expect "with wixl come since, it is made: $said" grep -qx 'made by wixl' "$packages/out.msi"

# A check that cannot run: skipped with a word on a contributor's machine,
# a failure naming what is missing under CI.
said=$( (export CI=true; tool_missing probe-step "the probe (package probe)" "nothing probed"; echo went on) 2>&1)
expect "under CI a missing tool fails the step" test $? -ne 0
expect "naming it: $said" grep -q '^probe-step: FAILED: the probe (package probe) is missing' <<<"$said"
refuse "and stops it" grep -q 'went on' <<<"$said"
said=$( (unset CI; tool_missing probe-step "the probe (package probe)" "nothing probed"; echo went on) 2>&1)
expect "elsewhere it is skipped: ${said%%$'\n'*}" \
    grep -qx 'probe-step: SKIPPED: the probe (package probe) is missing; nothing probed' <<<"$said"
expect "and the step goes on" grep -qx 'went on' <<<"$said"

# The steps themselves look for their tools before building anything, so
# under CI a missing one fails at once, by name.
step_says() {  # step_says SCRIPT [VARIABLE=VALUE...]: runs a step with nothing to install
    said=$(env CI=true TENEBRIX_NO_INSTALL=1 "${@:2}" timeout 60 bash "$root/scripts/$1" probe.exe 2>&1)
}
step_says web-test TENEBRIX_CHROMIUM="$scratch/no-chromium"
expect "web-test fails under CI without Chromium" test $? -ne 0
expect "naming it: $said" grep -q "FAILED: Chromium ($scratch/no-chromium) is missing" <<<"$said"
step_says wine-run TENEBRIX_WINE="$scratch/no-wine"
expect "ctest's Wine runner fails under CI without Wine" test $? -eq 1
expect "naming it: $said" grep -q "FAILED: Wine .* is missing" <<<"$said"
said=$(env -u CI TENEBRIX_WINE="$scratch/no-wine" timeout 60 bash "$root/scripts/wine-run" probe.exe 2>&1)
expect "elsewhere it tells ctest the test was skipped (77)" test $? -eq 77
if [ "$(uname -m)" = x86_64 ]; then
    step_says windows-test TENEBRIX_WINE="$scratch/no-wine"
    expect "windows-test fails under CI without Wine" test $? -ne 0
    expect "naming it, before building: $said" \
        grep -q "windows-test: FAILED: Wine ($scratch/no-wine, .*) is missing" <<<"$said"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
