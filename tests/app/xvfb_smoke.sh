#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the editor under a real X server (Xvfb) from a program folder of its own and checks
# that its window appears with its fixed width. Skips (77) where Xvfb or xwininfo is missing.
set -euo pipefail

program="$1"
if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
    echo "skipped: xvfb-run or xwininfo is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home"
cp "$program" "$work/program/thalrex"

cat >"$work/run.sh" <<'INNER'
#!/usr/bin/env bash
set -u
"$1" &
pid=$!
status=1
for _ in $(seq 1 100); do
    if info=$(xwininfo -name Thalrex 2>/dev/null); then
        width=$(awk '/Width:/ {print $2}' <<<"$info")
        height=$(awk '/Height:/ {print $2}' <<<"$info")
        echo "window Thalrex ${width}x${height}"
        [ "$width" = 361 ] && [ "$height" -ge 195 ] && status=0
        break
    fi
    kill -0 "$pid" 2>/dev/null || { echo "thalrex ended early"; break; }
    sleep 0.2
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
INNER

HOME="$work/home" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/run.sh" "$work/program/thalrex"
