#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The save-folder trap, run again: a home whose ~/Documents/Dungeon Siege/Save/ holds an old party
# and whose Proton prefix holds a newer one. Reports what File > Import lists and where a new
# hero's Export goes (build/dev/save_folder_report, offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target save_folder_report kegtap tankcreator >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
documents="$home/Documents/Dungeon Siege/Save"
proton="$home/.local/share/Steam/steamapps/compatdata/39190/pfx/drive_c/users/steamuser/Documents/Dungeon Siege/Save"
mkdir -p "$documents" "$proton"
printf 'an old party' >"$documents/Old Ulf.dsparty"
touch -d '2 days ago' "$documents/Old Ulf.dsparty"
printf 'a newer party' >"$proton/Ulf.dsparty"
echo "The home:"
(cd "$home" && find . -name '*.dsparty' -printf '  ~/%P  (%TY-%Tm-%Td %TH:%TM)\n')
QT_QPA_PLATFORM=offscreen build/dev/save_folder_report "$home" 2>/dev/null
