#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the whole suite (with the package test),
# then the non-GUI layers' tests under AddressSanitizer and UndefinedBehaviorSanitizer
# (scripts/sanitize.sh), then each fuzz harness for 60 s (scripts/fuzz.sh). Any failure or
# sanitizer finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error --timeout 600 -j2)
scripts/sanitize.sh
scripts/fuzz.sh 60
