#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Release figures: the size of the editor's package; the start-up time of the packaged editor to
# its first shown window against an empty Qt Widgets window started the same way (median of RUNS
# runs each, taken in turn, offscreen and under Xvfb); and the editor's memory at rest (RSS two
# seconds after its window shows). Both programs run with tests/package/editor_driver.cpp
# preloaded, which reports the time and the memory from inside the process. The packages are built
# afresh (scripts/package.sh, without the test suite) into build/packages/.
#   scripts/measure.sh [RUNS]     (default 15; needs a build: scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
driver=$PWD/build/tests/libeditor_driver.so
empty=$PWD/build/dev/empty_window
[ -f "$driver" ] && [ -x "$empty" ] || { echo "build first: scripts/build.sh" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
DEB_BUILD_OPTIONS=nocheck scripts/package.sh >/dev/null
deb=$(echo build/packages/thalrex_*.deb)
for package in "$deb" build/packages/libkegtap0_*.deb; do dpkg -x "$package" "$work/root"; done
editor=$work/root/usr/bin/thalrex
mkdir -p "$work/home/run"
chmod 700 "$work/home/run"

# once PROGRAM [ENV...]: prints "MS RSS_KB" for one start.
once() {
  local program=$1
  shift
  env HOME="$work/home" XDG_RUNTIME_DIR="$work/home/run" "$@" THALREX_DRIVER=startup \
    LD_PRELOAD="$driver" THALREX_DRIVER_T0="$(date +%s%N)" timeout 30 "$program" 2>/dev/null |
    awk '/^startup-ms:/ { ms = $2 } /^rss-kb:/ { rss = $2 } END { print ms, rss }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# compare LABEL ENV...: runs both programs in turn and prints their medians and the ratio.
compare() {
  local label=$1
  shift
  : >"$work/empty" && : >"$work/editor"
  for _ in $(seq "$runs"); do
    once "$empty" "$@" >>"$work/empty"
    once "$editor" "$@" >>"$work/editor"
  done
  local empty_ms editor_ms empty_rss editor_rss
  empty_ms=$(cut -d' ' -f1 "$work/empty" | median)
  editor_ms=$(cut -d' ' -f1 "$work/editor" | median)
  empty_rss=$(cut -d' ' -f2 "$work/empty" | median)
  editor_rss=$(cut -d' ' -f2 "$work/editor" | median)
  printf '%-10s start-up: empty window %6.1f ms, thalrex %6.1f ms, ratio %.2f; ' \
    "$label" "$empty_ms" "$editor_ms" "$(awk -v a="$editor_ms" -v b="$empty_ms" 'BEGIN { print a / b }')"
  printf 'RSS at rest: empty window %d KiB, thalrex %d KiB\n' "$empty_rss" "$editor_rss"
}

echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes; installed size $(dpkg-deb --field "$deb" Installed-Size) KiB"
compare offscreen QT_QPA_PLATFORM=offscreen
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
compare Xvfb QT_QPA_PLATFORM=xcb DISPLAY="$display"
echo "($runs runs each, medians; $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
