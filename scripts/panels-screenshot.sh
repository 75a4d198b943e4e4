#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the screenshot driver and photographs the editor on a virtual X server:
#   docs/panels-melee-drag.png       after a melee drag to level 30
#   docs/panels-fractions.png        with four-digit fractions in the skill panels
#   docs/portrait-picker-preview.png the portrait picker previewing a bitmap
#   docs/portrait-picker-png.png     the portrait picker previewing a large PNG as the portrait
#                                    it will become
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target panels_screenshot
mkdir -p docs
shoot() {
    xvfb-run -a -s "-screen 0 800x600x24" env QT_QPA_PLATFORM=xcb "$@"
}
for shot in melee-drag:panels-melee-drag fractions:panels-fractions \
    portrait-picker:portrait-picker-preview portrait-picker-png:portrait-picker-png; do
    shoot build/dev/panels_screenshot "${shot%%:*}" "docs/${shot#*:}.png"
done
