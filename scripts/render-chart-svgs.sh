#!/bin/sh
# Regenerates docs/chart-output.svg and docs/chart-power.svg: the chart of the
# start-up design in each graph mode, drawn by the command line exactly as the
# window draws it. Build first (make, or cmake --build build); RESONARA_CLI
# names another build of the program.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${RESONARA_CLI:-$root/build/bin/resonara-cli}

mkdir -p "$root/docs"
for mode in output power; do
    "$cli" --svg "$root/docs/chart-$mode.svg" --mode "$mode" >/dev/null
done
