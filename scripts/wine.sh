# SPDX-License-Identifier: GPL-3.0-or-later
# Wine for the scripts and tests that run Windows programs: where its commands
# are, and a fresh, private, quiet prefix. Sourced, not run.

# Debian's wine64 package alone puts no wine command on PATH, only
# /usr/lib/wine/wine64; the wine package adds the commands. Both are asked
# for wherever Wine is installed, and these find either. TENEBRIX_WINE names
# another wine program.
wine_program() {
    [ -z "${TENEBRIX_WINE:-}" ] || { echo "$TENEBRIX_WINE"; return 0; }
    command -v wine64 || command -v wine || echo /usr/lib/wine/wine64
}
wineserver_program() { command -v wineserver || echo /usr/lib/wine/wineserver64; }
have_wine() { [ -x "$(wine_program)" ] && [ -x "$(wineserver_program)" ]; }

# make_wine_prefix FOLDER [null]: a new Wine prefix in FOLDER, exported as
# WINEPREFIX, that asks to download nothing (Mono, Gecko) and writes no menu
# entries into the home folder; with "null", Wine's null graphics driver, so
# programs make their windows with no display at all. Wine's start-up chatter
# (a 64-bit-only Wine misses its 32-bit half) goes to FOLDER.log and is shown
# only when making the prefix fails. Every Wine call is bounded in time.
make_wine_prefix() {
    export WINEPREFIX=$1
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if ! timeout 300 "$(wine_program)" wineboot --init >"$1.log" 2>&1; then
        cat "$1.log" >&2
        echo "making the Wine prefix $1 failed" >&2
        return 1
    fi
    if [ "${2:-}" = null ]; then
        timeout 60 "$(wine_program)" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
            >/dev/null || return 1
    fi
    timeout 60 "$(wineserver_program)" -w || true
}

# Ends every Wine process of the prefix in use, and only of that prefix;
# nothing before a prefix was made (Wine would take ~/.wine then).
stop_wine_prefix() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    timeout 30 "$(wineserver_program)" -k 2>/dev/null || true
}
