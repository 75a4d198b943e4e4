#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/startup-xvfb.png: the built editor's window as it starts, under Xvfb.
#   docs/startup-screenshot.sh [build/bin/thalrex]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/thalrex}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home"
cp "$program" "$work/program/thalrex"
cp -r "$(dirname "$program")/help" "$work/program/" 2>/dev/null || true

cat >"$work/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -eu
"$1" &
pid=$!
for _ in $(seq 1 100); do
    xwininfo -name Thalrex >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
geometry=$(xwininfo -name Thalrex | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w + 16, h + 16, x - 8, y - 8}')
import -window root -crop "$geometry" +repage "$2"
kill "$pid"
INNER

HOME="$work/home" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/shoot.sh" "$work/program/thalrex" \
    "$PWD/docs/startup-xvfb.png"
echo "docs/startup-xvfb.png"
