# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the bench/measure-* scripts: where the programs are, a display
# to run them on, medians, and waiting for a program's start-up trace.
# Sourced, not run.

BENCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BENCH_BUILD=${TENEBRIX_BENCH_BUILD:-$BENCH_ROOT/build-perf}
GAME=$BENCH_BUILD/tenebrix

# Runs the calling script again inside a fresh Xvfb unless it already is:
# the figures are for a real X server, not the offscreen platform.
# Usage: run_under_xvfb "$0" "$@"
run_under_xvfb() {
    if [ -z "${TENEBRIX_BENCH_IN_XVFB:-}" ]; then
        TENEBRIX_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
    fi
    export QT_QPA_PLATFORM=xcb
}

require_programs() {
    local program
    for program in "$@"; do
        if [ ! -x "$program" ]; then
            echo "missing $program: build it first (see docs/performance.md)" >&2
            exit 2
        fi
    done
}

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "n/a"; exit }
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# wait_for_line FILE PATTERN [SECONDS]: until a line of FILE matches.
wait_for_line() {
    local file=$1 pattern=$2 limit=${3:-20} waited=0
    until grep -q -- "$pattern" "$file" 2>/dev/null; do
        sleep 0.05
        waited=$((waited + 1))
        if [ "$waited" -ge $((limit * 20)) ]; then
            echo "gave up waiting for \"$pattern\" in $file" >&2
            return 1
        fi
    done
}

# stop_program PID: ends a program this script started, and waits for it.
stop_program() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
