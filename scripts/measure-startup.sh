#!/usr/bin/env bash
# Start-up figures: the time from process start to the first paint of the main
# window, and the peak resident memory, of build/bin/resonara and of its floor:
# resonara-empty-dialog, a QApplication with the same style and dialog font and
# one empty QDialog of the main window's size, built the same way. Each program
# starts RUNS times (default 20), the two taking turns, on a private Xvfb
# display; the script prints the medians, the ratios and the 1.2x target.
#
#   scripts/measure-startup.sh [RUNS] [BUILD_DIR]        BUILD_DIR: default build
#
# Needs Xvfb (Debian package xvfb) and a build with the benchmarks (the default).
set -euo pipefail
cd "$(dirname "$0")/.."

readonly RUNS=${1:-20}
readonly BUILD_DIR=${2:-build}
readonly TARGET_RATIO=1.2
# A start that has not painted by then is hung.
readonly TIMEOUT_SECONDS=30
readonly SCREEN=1280x1024x24

readonly PROGRAM=$BUILD_DIR/bin/resonara
readonly FLOOR=$BUILD_DIR/bin/resonara-empty-dialog
readonly TIMER=$BUILD_DIR/bin/resonara-first-paint-timer

[[ $RUNS =~ ^[0-9]+$ && $RUNS -gt 0 ]] || { echo "usage: $0 [RUNS] [BUILD_DIR]" >&2; exit 2; }
for program in "$PROGRAM" "$FLOOR" "$TIMER"; do
    [[ -x $program ]] || { echo "$0: $program is missing; build first (make build)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "$0: Xvfb is missing (Debian package xvfb)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the pipe.
start_xvfb() {
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local display
    read -r -t 10 display <"$work/display" || { echo "$0: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
    export DISPLAY=:$display
}

# One start: "<milliseconds> <peak kB> <window WxH>" appended to FILE.
time_start() {
    local file=$1
    shift
    timeout "$TIMEOUT_SECONDS" "$TIMER" "$@" >>"$file" 2>>"$work/programs.log" || {
        echo "$0: timing $* failed:" >&2
        cat "$work/programs.log" >&2
        exit 1
    }
}

# The median of column COLUMN of FILE.
median() {
    cut -d' ' -f"$2" "$1" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Other work on the machine stretches the times far more than the memory.
load=$(cut -d' ' -f1 /proc/loadavg)
start_xvfb
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One start of each first, not counted: it fills the page and font caches, and
# it gives the main window's size for the floor.
time_start "$work/warm-up" "$PROGRAM"
window=$(cut -d' ' -f3 "$work/warm-up")
time_start "$work/warm-up" "$FLOOR" "$window"

for ((run = 1; run <= RUNS; run++)); do
    time_start "$work/program" "$PROGRAM"
    time_start "$work/floor" "$FLOOR" "$window"
done
sizes=$(cut -d' ' -f3 "$work/program" "$work/floor" | sort -u | tr '\n' ' ')
[[ $sizes == "$window " ]] || { echo "$0: the windows were not all $window: $sizes" >&2; exit 1; }

program_ms=$(median "$work/program" 1)
floor_ms=$(median "$work/floor" 1)
program_kb=$(median "$work/program" 2)
floor_kb=$(median "$work/floor" 2)

awk -v runs="$RUNS" -v window="$window" -v load="$load" -v target="$TARGET_RATIO" \
    -v pms="$program_ms" -v fms="$floor_ms" -v pkb="$program_kb" -v fkb="$floor_kb" 'BEGIN {
    printf "Medians of %d starts on Xvfb, window %s, load average %s at the start:\n", runs, window, load
    printf "%-22s %16s %16s\n", "", "to first paint", "peak resident"
    printf "%-22s %13.1f ms %12.1f MiB\n", "resonara", pms, pkb / 1024
    printf "%-22s %13.1f ms %12.1f MiB\n", "empty dialog (floor)", fms, fkb / 1024
    printf "%-22s %15.2fx %15.2fx\n", "ratio", pms / fms, pkb / fkb
    printf "Target: within %.1fx of the floor. Time: %s. Memory: %s.\n", target,
           (pms / fms <= target) ? "met" : "missed", (pkb / fkb <= target) ? "met" : "missed"
}'
