#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the screenshot driver and photographs File > Import listing the parties of a fake home's
# Proton prefix (the first game) and Lutris prefix (the expansion), on a virtual X server:
# docs/import-prefixes.png.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target import_prefix_screenshot kegtap
mkdir -p docs
xvfb-run -a -s "-screen 0 800x600x24" env QT_QPA_PLATFORM=xcb \
    build/dev/import_prefix_screenshot docs/import-prefixes.png
