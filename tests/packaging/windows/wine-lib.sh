# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the Windows package tests and benchmarks: a private Xvfb, a fresh
# Wine prefix that is removed again, Wine calls bounded in time, snapshots of
# the prefix to compare, and the game's main window found through the X server.
# Sourced, not run.

# The main window's client area at 96 dots per inch, from forms/MainWindowForm.h
# (6795 x 4920 twips): no other window of the game is as high.
readonly MAIN_WINDOW_MIN_WIDTH=453 MAIN_WINDOW_MIN_HEIGHT=328
readonly MAIN_WINDOW_CAPTION=Tenebrix

step() { echo "-- $*"; }
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Runs the calling script again inside its own Xvfb unless it already is.
# Usage: run_under_xvfb "$0" "$@"
run_under_xvfb() {
    if [ -z "${TENEBRIX_WINE_IN_XVFB:-}" ]; then
        TENEBRIX_WINE_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
    fi
}

source "$TENEBRIX_ROOT/scripts/wine.sh"

# A new, empty Wine prefix and a scratch folder ($work), both removed on exit
# together with every Wine process of that prefix (and only of that prefix).
make_fresh_prefix() {
    work=$(mktemp -d)
    trap 'stop_wine_prefix; rm -rf "$work"' EXIT
    trap 'exit 130' INT TERM
    make_wine_prefix "$work/prefix" || fail "making the Wine prefix failed"
}

# wine_bounded SECONDS PROGRAM [ARGS...]: a Wine call that cannot hang.
wine_bounded() {
    local limit=$1
    shift
    timeout "$limit" "$(wine_program)" "$@"
}

# Z:\ is the whole Linux file system; C:\ is the prefix's drive_c.
windows_path() { printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"; }
unix_path() {
    local path=${1//\\//}
    case "${path,,}" in
    c:/*) printf '%s/drive_c/%s' "$WINEPREFIX" "${path:3}" ;;
    z:/*) printf '%s' "${path:2}" ;;
    *) printf '%s' "$path" ;;
    esac
}

# expect_in TEXT PART WHAT: fails unless TEXT holds PART.
expect_in() {
    [[ "$1" == *"$2"* ]] || fail "$3: no \"$2\" in"$'\n'"$1"
}

uninstall_entry() {
    wine_bounded 60 reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" |
        tr -d '\r' || fail "no uninstall entry $1"
}

# snapshot FILE: every folder, file and registry value of the prefix.
snapshot() {
    local hive
    for hive in HKLM HKCU; do
        wine_bounded 120 reg export "$hive" "C:\\$hive.reg" /y >/dev/null ||
            fail "reg export $hive failed"
        mv "$WINEPREFIX/drive_c/$hive.reg" "$work/$hive.reg"
    done
    /usr/bin/python3 "$TENEBRIX_ROOT/tests/packaging/windows/snapshot.py" "$WINEPREFIX" \
        "$work/HKLM.reg" "$work/HKCU.reg" >"$1"
}

# compare_snapshots BEFORE AFTER [IGNORED-PATTERN...]: prints the lines that
# were removed or added, but for those matching an extended regular
# expression given, and fails when any is left. Wine's own bookkeeping is
# always ignored: its count of services started and what it finds out about
# the display each time a program starts (driver, adapter, monitor records).
compare_snapshots() {
    local before=$1 after=$2
    shift 2
    local patterns=('\\CurrentControlSet\\Control\\ServiceCurrent\\'
        '\\CurrentControlSet\\Control\\(Video|Class)(\\|$)'
        '\\CurrentControlSet\\Enum\\(PCI|DISPLAY|WINE)(\\|$)'
        '\\CurrentControlSet\\Control\\DeviceClasses\\' '\\CurrentControlSet\\Hardware Profiles(\\|$)'
        '^(key|value) HKEY_LOCAL_MACHINE\\Hardware\\DEVICEMAP\\VIDEO(\\|$)'
        '^(key|value) HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters(\\|$)' "$@")
    local ignored
    ignored=$(IFS='|'; echo "${patterns[*]}")
    local removed added
    removed=$(comm -23 <(sort "$before") <(sort "$after") | grep -Ev "$ignored" || true)
    added=$(comm -13 <(sort "$before") <(sort "$after") | grep -Ev "$ignored" || true)
    [ -z "$removed$added" ] && return 0
    [ -n "$removed" ] && sed 's/^/removed: /' <<<"$removed" >&2
    [ -n "$added" ] && sed 's/^/added: /' <<<"$added" >&2
    return 1
}

# The id of the game's main window once it is up, or nothing after SECONDS.
find_main_window() {
    local limit=$1 waited=0 window size
    while [ "$waited" -lt $((limit * 4)) ]; do
        for window in $(xdotool search --onlyvisible --name "^$MAIN_WINDOW_CAPTION\$" 2>/dev/null); do
            size=$(xdotool getwindowgeometry "$window" 2>/dev/null | sed -n 's/.*Geometry: //p')
            if [ -n "$size" ] && [ "${size%x*}" -ge "$MAIN_WINDOW_MIN_WIDTH" ] &&
                [ "${size#*x}" -ge "$MAIN_WINDOW_MIN_HEIGHT" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.25
        waited=$((waited + 1))
    done
}

# Closes the main window as a player does, with Alt+F4. A click on the status
# bar first makes it the active window again: Wine hands activation to any
# program the game started (the help viewer), and keys would go there.
close_main_window() {
    local height
    height=$(xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: [0-9]*x//p')
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    [ -n "$height" ] && xdotool mousemove --window "$1" 20 $((height - 8)) click 1
    sleep 0.3
    xdotool key alt+F4 2>/dev/null || true
}

# Help > How to Play from the keyboard, then close: F10 enters the menu bar,
# the third title is Help, its first item How to Play. (Alt+H would reach
# the Hint button, whose access key is H as well.)
open_help_then_close() {
    xdotool windowfocus --sync "$1" 2>/dev/null
    xdotool key --delay 150 F10 Right Right Return Return
    local waited=0
    until [ -s "$help_requests" ] || [ "$waited" -ge 40 ]; do
        sleep 0.25
        waited=$((waited + 1))
    done
    close_main_window "$1"
}

# record_help_requests FILE: the system's web-page viewer (the help file is a
# web page) is replaced by one that writes the file it was asked for to FILE.
record_help_requests() {
    help_requests=$1
    rm -f "$help_requests"
    local command="C:\\windows\\system32\\cmd.exe /c echo %1> $(windows_path "$help_requests")"
    wine_bounded 60 reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null
    wine_bounded 60 reg add 'HKCR\htmlfile\shell\open\command' /ve /d "$command" /f >/dev/null
}

# expect_main_window PROGRAM FOLDER [ACTION]: starts PROGRAM with FOLDER as
# its working folder, waits for its main window, does ACTION with it
# (closing it by default) and waits for the program to end.
expect_main_window() {
    local program=$1 folder=$2 action=${3:-close_main_window} pid window
    (cd "$folder" && exec timeout 120 "$(wine_program)" "$(windows_path "$program")") &
    pid=$!
    window=$(find_main_window 60)
    if [ -z "$window" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        fail "$program showed no main window within 60 s"
    fi
    "$action" "$window"
    local waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 120 ]; do
        sleep 0.25
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        fail "$program did not end within 30 s of closing its main window"
    fi
    wait "$pid" 2>/dev/null || true
}
