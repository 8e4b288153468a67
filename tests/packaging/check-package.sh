#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, has lintian check it, unpacks it into a scratch root
# (nothing is installed on the system) and checks what it ships, then starts the
# unpacked program. VERSION is the project version, the one source every
# versioned file of the package must agree with; LINGUAS lists the languages
# the package must speak.
# Usage: check-package.sh CPACK CPACK_CONFIG APP_ID VERSION LINGUAS
set -uo pipefail

readonly SKIP=77
if [ $# -ne 5 ]; then
    echo "usage: $0 CPACK CPACK_CONFIG APP_ID VERSION LINGUAS" >&2
    exit 2
fi
readonly cpack=$1 cpack_config=$2 app_id=$3 version=$4 linguas=$5

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# A missing tool fails the test in CI (CI set, as CI services set it), where
# scripts/test has installed them all; on a developer's machine it skips.
require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null && continue
        if [ -n "${CI:-}" ]; then
            echo "FAIL: $tool is not installed, and CI must have it (scripts/test installs it)" >&2
            exit 1
        fi
        echo "SKIP: $tool is not installed (scripts/test installs it)"
        exit "$SKIP"
    done
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tenebrix-package.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
scratch=$(realpath "$scratch")
readonly root=$scratch/root
readonly program=$root/usr/games/tenebrix

# Packs the build into $scratch/out and prints the path of the one .deb made.
build_package() {
    if ! "$cpack" --config "$cpack_config" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
        cat "$scratch/cpack.log" >&2
        return 1
    fi
    local debs=("$scratch"/out/*.deb)
    if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        echo "expected exactly one .deb, found: ${debs[*]}" >&2
        return 1
    fi
    echo "${debs[0]}"
}

# Width x height of a PNG file, read from its header; "not a PNG" otherwise.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    if [ "$signature" != "89504e470d0a1a0a" ]; then
        echo "not a PNG"
        return
    fi
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

check_layout() {
    local file
    for file in usr/share/tenebrix/Tenebrix.hlp \
        "usr/share/applications/$app_id.desktop" \
        "usr/share/metainfo/$app_id.metainfo.xml" \
        usr/share/man/man6/tenebrix.6.gz \
        usr/share/doc/tenebrix/copyright usr/share/doc/tenebrix/changelog.gz; do
        if [ -f "$root/$file" ]; then pass "ships /$file"; else fail "missing /$file"; fi
    done
    if [ -f "$program" ] && [ -x "$program" ]; then
        pass "ships /usr/games/tenebrix"
    else
        fail "missing or not executable: /usr/games/tenebrix"
    fi
}

# Every language of po/LINGUAS: its compiled catalogue where gettext looks,
# its help page beside the English one, its lines in the desktop entry and
# the metainfo; the pseudo-language nowhere.
check_translations() {
    local language missing=() desktop=$root/usr/share/applications/$app_id.desktop
    local metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
    while read -r language; do
        [ -f "$root/usr/share/locale/$language/LC_MESSAGES/tenebrix.mo" ] ||
            missing+=("/usr/share/locale/$language/LC_MESSAGES/tenebrix.mo")
        [ -f "$root/usr/share/tenebrix/$language/Tenebrix.hlp" ] ||
            missing+=("/usr/share/tenebrix/$language/Tenebrix.hlp")
        grep -q "^Comment\[$language\]=" "$desktop" || missing+=("Comment[$language] in the desktop entry")
        grep -q "<summary xml:lang=\"$language\">" "$metainfo" ||
            missing+=("the $language summary in the metainfo")
    done < <(grep -E '^[a-zA-Z_@]+$' "$linguas")
    if [ ${#missing[@]} -eq 0 ]; then
        pass "ships every language's catalogue, help page, desktop and metainfo texts"
    else
        fail "missing: ${missing[*]}"
    fi
    if compgen -G "$root/usr/share/locale/*@pseudo" >/dev/null; then
        fail "ships the pseudo-language"
    else
        pass "ships no pseudo-language"
    fi
}

# Debian's own checker, with no overrides: any error or warning fails.
check_lintian() {
    if lintian --fail-on error,warning --tag-display-limit 0 "$1"; then
        pass "lintian finds no error or warning"
    else
        fail "lintian finds errors or warnings"
    fi
}

check_manual_page() {
    local page=$root/usr/share/man/man6/tenebrix.6.gz warnings
    [ -f "$page" ] || return 0
    warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
    if [ -z "$warnings" ]; then
        pass "man --warnings reads the manual page without a warning"
    else
        fail "man --warnings on the manual page: $warnings"
    fi
}

check_icons() {
    local size icon actual
    for size in 32 64 128 256; do
        icon="usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        if [ ! -f "$root/$icon" ]; then
            fail "missing /$icon"
            continue
        fi
        actual=$(png_size "$root/$icon")
        if [ "$actual" = "${size}x${size}" ]; then
            pass "/$icon is ${size}x${size}"
        else
            fail "/$icon is $actual, not ${size}x${size}"
        fi
    done
}

# The package names in a Depends field, one a line, alternatives included.
package_names() {
    tr ',|' '\n' <<<"$1" | awk '{print $1}'
}

check_control() {
    local deb=$1 field expected actual depends dev_packages
    for field in Package:tenebrix Section:games; do
        expected=${field#*:}
        actual=$(dpkg-deb -f "$deb" "${field%%:*}")
        if [ "$actual" = "$expected" ]; then
            pass "${field%%:*} is $expected"
        else
            fail "${field%%:*} is '$actual', not '$expected'"
        fi
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for expected in libqt6widgets6 libqt6gui6 libqt6core6; do
        if package_names "$depends" | grep -qx "$expected"; then
            pass "depends on $expected"
        else
            fail "does not depend on $expected"
        fi
    done
    # The fonts the windows were measured with.
    if package_names "$depends" | grep -qx fonts-liberation; then
        pass "depends on fonts-liberation"
    else
        fail "does not depend on fonts-liberation"
    fi
    if package_names "$(dpkg-deb -f "$deb" Recommends)" | grep -qx fonts-noto-cjk; then
        pass "recommends fonts-noto-cjk"
    else
        fail "does not recommend fonts-noto-cjk"
    fi
    dev_packages=$(package_names "$depends" | grep -E -- '-dev(:[a-z0-9]+)?$')
    if [ -z "$dev_packages" ]; then
        pass "depends on no -dev package"
    else
        fail "depends on development packages: $dev_packages"
    fi
}

# A key's value in the [Desktop Entry] group of the shipped desktop file.
desktop_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$root/usr/share/applications/$app_id.desktop"
}

check_desktop_entry() {
    local desktop=$root/usr/share/applications/$app_id.desktop
    [ -f "$desktop" ] || return 0
    if desktop-file-validate "$desktop"; then
        pass "desktop-file-validate accepts the desktop entry"
    else
        fail "desktop-file-validate rejects the desktop entry"
    fi
    if [ "$(desktop_value Icon)" = "$app_id" ]; then
        pass "Icon= names $app_id"
    else
        fail "Icon= is '$(desktop_value Icon)', not '$app_id'"
    fi
    local command
    command=$(desktop_value Exec | awk '{print $1}')
    if [ -x "$root/usr/games/$command" ]; then
        pass "Exec= starts /usr/games/$command, which is shipped"
    else
        fail "Exec= starts '$command', which is not in /usr/games"
    fi
}

check_metainfo() {
    local metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
    [ -f "$metainfo" ] || return 0
    if appstreamcli validate --no-net "$metainfo"; then
        pass "appstreamcli validate accepts the metainfo"
    else
        fail "appstreamcli validate rejects the metainfo"
    fi
    # The whole tree too: the launchable desktop entry and the icons it names.
    if appstreamcli validate-tree --no-net "$root"; then
        pass "appstreamcli validate-tree accepts the unpacked tree"
    else
        fail "appstreamcli validate-tree rejects the unpacked tree"
    fi
    if grep -q "<id>$app_id</id>" "$metainfo" &&
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"; then
        pass "the metainfo's id and launchable name $app_id"
    else
        fail "the metainfo's id or launchable does not name $app_id"
    fi
}

# Runs the unpacked program offscreen with a private home, so that closing it
# leaves no settings behind in the real one.
run_unpacked_program() {
    local seconds=$1
    shift
    mkdir -p "$scratch/home" "$scratch/runtime"
    chmod 700 "$scratch/runtime"
    env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
        XDG_DATA_HOME="$scratch/home/.local/share" XDG_CACHE_HOME="$scratch/home/.cache" \
        XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen "$@" \
        timeout "$seconds" "$program" >"$scratch/program.log" 2>&1
}

# With TENEBRIX_SELFTEST=1 the program reports, once its main window is up,
# where it found its help file, and quits.
check_program_starts() {
    local status
    [ -x "$program" ] || return 0
    run_unpacked_program 60 TENEBRIX_SELFTEST=1
    status=$?
    cat "$scratch/program.log"
    local expected="main window loaded; help file: $root/usr/share/tenebrix/Tenebrix.hlp (found)"
    if grep -qxF "$expected" "$scratch/program.log"; then
        pass "the unpacked program loads its main window and finds its help file"
    else
        fail "the unpacked program did not print: $expected"
    fi
    if [ "$status" -ne 0 ]; then
        fail "the unpacked program's self-test ended with exit status $status"
    fi
}

# Compares one versioned thing with the project version.
expect_version() {
    local what=$1 actual=$2
    if [ "$actual" = "$version" ]; then
        pass "$what is $version"
    else
        fail "$what is '$actual', not the project version $version"
    fi
}

# Every place the package carries the version agrees with the project's.
check_versions() {
    local deb=$1
    expect_version "the package file's version" "$(basename "$deb" | cut -d_ -f2)"
    expect_version "the control Version field" "$(dpkg-deb -f "$deb" Version)"
    expect_version "the changelog's newest entry" \
        "$(gzip -dc "$root/usr/share/doc/tenebrix/changelog.gz" | sed -n '1s/^tenebrix (\([^)]*\)).*/\1/p')"
    expect_version "the manual page's header" \
        "$(gzip -dc "$root/usr/share/man/man6/tenebrix.6.gz" | sed -n 's/^\.TH [^"]*"Tenebrix \([^"]*\)".*/\1/p')"
    expect_version "the AppStream newest release" \
        "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/$app_id.metainfo.xml" | head -n 1)"
    expect_version "the program's --version" \
        "$(QT_QPA_PLATFORM=offscreen timeout 30 "$program" --version | sed -n 's/^Tenebrix //p')"
}

require_tools dpkg-deb desktop-file-validate appstreamcli lintian man od timeout gzip
deb=$(build_package) || {
    echo "FAIL: cpack could not build the package" >&2
    exit 1
}
echo "built $(basename "$deb")"
if ! dpkg-deb -x "$deb" "$root"; then
    echo "FAIL: dpkg-deb could not unpack $deb" >&2
    exit 1
fi

check_lintian "$deb"
check_layout
check_manual_page
check_icons
check_control "$deb"
check_desktop_entry
check_metainfo
check_translations
check_versions "$deb"
check_program_starts

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
