#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: built with CPack from the build folder, unpacked with
# dpkg -x into a temporary root, and run from there.
#   package_test.sh BUILD_DIR EDITOR_DRIVER KEGTAP_CALLER_SOURCE REALDATA_LOOKUP
# Checks the installed layout, a C program built against the installed kegtap through pkg-config
# and the installed kegtap tool on a Tank packed by the installed tankcreator (and on the real
# Tank file when the real-data folder is there), and the installed editor, driven headless through
# New, a change, Save and close (tests/package/editor_driver.cpp): once from the read-only program
# folder, where the settings and the imports go to the user's XDG folders, and once from a
# writable copy of it, where they stay beside the program.
set -euo pipefail
build=$1 driver=$2 caller_source=$3 realdata_lookup=$4

fail() {
  echo "package test: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

# --- The package --------------------------------------------------------------------------
(cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 zlib1g liblzo2-2; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
dpkg -x "$deb" "$work/root"
usr=$work/root/usr
program=$usr/lib/thalrex

# --- Layout -------------------------------------------------------------------------------
for file in lib/thalrex/thalrex lib/thalrex/kegtap lib/thalrex/tankcreator lib/thalrex/gastool \
  lib/thalrex/libkegtap.so.0.5.0.2 lib/thalrex/help/index.html include/kegtap.h \
  lib/pkgconfig/kegtap.pc share/applications/thalrex.desktop \
  share/icons/hicolor/256x256/apps/thalrex.png; do
  [ -f "$usr/$file" ] || fail "missing $file"
done
[ "$(readlink "$program/libkegtap.so")" = libkegtap.so.0 ] || fail "libkegtap.so link"
[ "$(readlink "$program/libkegtap.so.0")" = libkegtap.so.0.5.0.2 ] || fail "libkegtap.so.0 link"
for tool in thalrex kegtap tankcreator gastool; do
  [ "$(readlink -f "$usr/bin/$tool")" = "$(readlink -f "$program/$tool")" ] ||
    fail "bin/$tool does not lead to the program folder"
done
grep -qx 'Exec=thalrex' "$usr/share/applications/thalrex.desktop" || fail "desktop entry Exec"
grep -qx 'Icon=thalrex' "$usr/share/applications/thalrex.desktop" || fail "desktop entry Icon"

# --- A C caller of the installed kegtap, found through pkg-config ---------------------------
flags=$(PKG_CONFIG_PATH=$usr/lib/pkgconfig PKG_CONFIG_LIBDIR= \
  pkg-config --cflags --libs kegtap) || fail "pkg-config does not know kegtap"
cc -std=c11 -Wall -Wextra -Werror -o "$work/kegtap_caller" "$caller_source" $flags ||
  fail "a C program does not build against the installed kegtap: $flags"

# extract_both TANK NAME: extracts the Tank with the C caller into $work/NAME-caller and with the
# installed kegtap tool into $work/NAME-tool; both must give the same files.
extract_both() {
  local tank=$1 name=$2
  mkdir "$work/$name-caller" "$work/$name-tool" # kegtap extracts into an existing folder
  "$work/kegtap_caller" "$tank" "$work/$name-caller" || fail "the C caller could not extract $tank"
  "$usr/bin/kegtap" extract "$tank" -d "$work/$name-tool" >"$work/kegtap.log" 2>&1 ||
    { cat "$work/kegtap.log"; fail "bin/kegtap failed on $tank"; }
  diff -r "$work/$name-caller" "$work/$name-tool" >/dev/null ||
    fail "bin/kegtap extracted other files than the library did from $tank"
}

# --- A Tank packed by the installed tankcreator -------------------------------------------
sample=$work/sample
mkdir -p "$sample/world/maps/empty" "$sample/Objects"
printf '[info]\r\n{\r\n}\r\n' >"$sample/Info.gas"
head -c 70000 /dev/urandom >"$sample/Portrait-0.bmp"
seq 1 40000 >"$sample/world/maps/big.gas"
: >"$sample/world/empty.gas"
printf '[t:template,n:a]\r\n{\r\n}\r\n' >"$sample/Objects/a.gas"
"$usr/bin/tankcreator" -source "$sample" -out "$work/sample.dsparty" >"$work/tankcreator.log" 2>&1 ||
  { cat "$work/tankcreator.log"; fail "bin/tankcreator failed"; }
extract_both "$work/sample.dsparty" sample
diff -r "$sample" "$work/sample-caller" || fail "the C caller did not extract what bin/tankcreator packed"

# --- The real Tank made by the game's tools -----------------------------------------------
if pumpkin=$("$realdata_lookup" tank/Pumpkin.dsmap); then
  extract_both "$pumpkin" pumpkin
  [ "$(find "$work/pumpkin-caller" -type f | wc -l)" -eq 28 ] ||
    fail "the C caller did not extract 28 files from $pumpkin"
else
  [ $? -eq 77 ] || fail "the real Tank file cannot be used"
  echo "package test: the real Tank file is left out"
fi

# --- The installed editor -----------------------------------------------------------------
# It runs as a user who cannot write to the program folder: as nobody when the test runs as
# root (root writes anywhere), otherwise as the current user with the folder made read-only.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  owner=65534:65534
else
  chmod -R a-w "$program"
  owner=$(id -u):$(id -g)
fi
cp "$driver" "$work/editor_driver.so"

# run_editor EXECUTABLE HOME: New, Farmer, Save, close; fails unless the driver says ok.
run_editor() {
  local executable=$1 home=$2
  mkdir -p "$home/run"
  chmod 700 "$home/run"
  chown -R "$owner" "$home"
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$home" \
    XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen \
    LD_PRELOAD="$work/editor_driver.so" THALREX_DRIVER=smoke \
    timeout 60 "${as_user[@]}" "$executable" >"$home/editor.log" 2>&1 ||
    { cat "$home/editor.log"; fail "$executable did not end cleanly"; }
  grep -qx 'smoke: ok' "$home/editor.log" || { cat "$home/editor.log"; fail "$executable smoke run"; }
}

# expect_saved SETTINGS_FILE IMPORTS_FOLDER: the new hero saved under the imports folder, and the
# settings file naming it as the last hero.
expect_saved() {
  local settings=$1 imports=$2
  for file in Info.gas Party.gas Portrait-0.bmp; do
    [ -s "$imports/Hero/$file" ] || fail "no $imports/Hero/$file"
  done
  [ -f "$settings" ] || fail "no settings file $settings"
  grep -qx '\[Main\]' "$settings" || fail "$settings has no [Main] section"
  grep -qxF "Hero.Folder=$imports/Hero/" "$settings" || fail "$settings: Hero.Folder is not $imports/Hero/"
}

home=$work/home
run_editor "$usr/bin/thalrex" "$home"
expect_saved "$home/.config/Thalrex/Thalrex.INI" "$home/.local/share/Thalrex/Imports"
[ -z "$(find "$program" -newer "$deb" -print -quit)" ] || fail "the editor wrote into the program folder"

# A portable copy: the file "portable" beside the program keeps everything in its folder.
portable=$work/portable
cp -r "$program" "$portable"
touch "$portable/portable"
chmod -R u+w "$portable"
chown -R "$owner" "$portable"
run_editor "$portable/thalrex" "$work/home-portable"
expect_saved "$portable/Thalrex.INI" "$portable/Imports"
[ ! -e "$work/home-portable/.config/Thalrex" ] || fail "a portable copy wrote into ~/.config"
[ ! -e "$work/home-portable/.local/share/Thalrex" ] || fail "a portable copy wrote into ~/.local/share"
echo "package test: $(basename "$deb") ($(stat -c %s "$deb") bytes) installs and runs"
