#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's first command on a virtual screen: starts Xvfb, runs scripts/run.sh on it (which
# installs what is missing, builds and starts the editor), and saves a picture of the screen once
# the editor's window is on it. Then closes the editor.
#   scripts/screenshot.sh [OUT.png]      (default build/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshot.png}")
scripts/build.sh >/dev/null # the picture taker is built with the rest
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
editor=
cleanup() {
  [ -n "$editor" ] && kill "$editor" 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY=$display scripts/run.sh &
editor=$!
DISPLAY=$display build/dev/screen_grab "$out" 600
kill -0 "$editor" 2>/dev/null || { echo "the editor is not running" >&2; exit 1; }
