#!/usr/bin/env bash
# Builds the screenshot driver and photographs the editor, after a melee drag to level 30,
# on a virtual X server: docs/panels-melee-drag.png.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target panels_screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 640x480x24" env QT_QPA_PLATFORM=xcb \
    build/tests/panels_screenshot docs/panels-melee-drag.png
