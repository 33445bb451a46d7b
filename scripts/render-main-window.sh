#!/usr/bin/env bash
# Renders the main window after a calculation of the start-up design, headless,
# to docs/main-window.png (and the power chart to docs/main-window-power.png).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target resonara-snapshot -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ./build/bin/resonara-snapshot docs/main-window.png output
QT_QPA_PLATFORM=offscreen ./build/bin/resonara-snapshot docs/main-window-power.png power
