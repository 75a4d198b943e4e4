#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The editor's start-up time to its first shown window (offscreen) against an empty home and
# against a home with PREFIXES Proton prefixes (each with its steamuser's Documents, none with
# saves), RUNS runs each, taken in turn. The build's program folder is copied, so that the runs
# keep their files in the fake homes; tests/package/editor_driver.cpp, preloaded, reports the time.
#   scripts/measure-prefixes.sh [PREFIXES] [RUNS]     (default 1000 and 3; needs scripts/build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
prefixes=${1:-1000}
runs=${2:-3}
driver=$PWD/build/tests/libeditor_driver.so
[ -f "$driver" ] && [ -x build/bin/thalrex ] || { echo "build first: scripts/build.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/empty" "$work/prefixes"
cp -a build/bin/thalrex build/bin/libkegtap.so* build/bin/tankcreator "$work/program/"
steam="$work/prefixes/.local/share/Steam/steamapps/compatdata"
for i in $(seq "$prefixes"); do
  mkdir -p "$steam/$((100000 + i))/pfx/drive_c/users/steamuser/Documents" \
    "$steam/$((100000 + i))/pfx/drive_c/users/Public"
done

# once HOME: prints the milliseconds to the first shown window.
once() {
  mkdir -p "$1/run" && chmod 700 "$1/run"
  env -i PATH="$PATH" HOME="$1" XDG_RUNTIME_DIR="$1/run" QT_QPA_PLATFORM=offscreen \
    THALREX_DRIVER=startup LD_PRELOAD="$driver" THALREX_DRIVER_T0="$(date +%s%N)" \
    timeout 60 "$work/program/thalrex" 2>/dev/null | awk '/^startup-ms:/ { print $2 }'
}

: >"$work/empty.ms" && : >"$work/prefixes.ms"
for _ in $(seq "$runs"); do
  once "$work/empty" >>"$work/empty.ms"
  once "$work/prefixes" >>"$work/prefixes.ms"
done
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
printf 'empty home:          %s ms (median %s)\n' "$(paste -sd' ' "$work/empty.ms")" "$(median <"$work/empty.ms")"
printf '%5d Proton prefixes: %s ms (median %s)\n' "$prefixes" "$(paste -sd' ' "$work/prefixes.ms")" "$(median <"$work/prefixes.ms")"
echo "($runs runs each; $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))"
