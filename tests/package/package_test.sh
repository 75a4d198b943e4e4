#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages as a user gets them: built with scripts/package.sh (dpkg-buildpackage,
# without the test suite, which the same ctest run covers), checked with lintian, appstreamcli,
# desktop-file-validate and man, unpacked with dpkg -x into a temporary root, and run from there.
#   package_test.sh SOURCE_DIR BUILD_DIR EDITOR_DRIVER KEGTAP_CALLER_SOURCE REALDATA_LOOKUP
# Checks what each package holds and that everything shows the one version of debian/changelog;
# a C program built against the unpacked kegtap through pkg-config and the unpacked kegtap tool
# on a Tank packed by the unpacked tankcreator (and on the real Tank file when the real-data
# folder is there); the unpacked editor, driven headless through New, a change, Save and close
# (tests/package/editor_driver.cpp): once from the read-only program folder, where the settings
# and the imports go to the user's XDG folders, once importing the party named on its command
# line with libkegtap.so.0 found by the dynamic loader, and once from a writable copy of the
# program folder, where the settings and the imports stay beside the program.
set -euo pipefail
source_dir=$1 build=$2 driver=$3 caller_source=$4 realdata_lookup=$5

fail() {
  echo "package test: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

# --- The packages -------------------------------------------------------------------------
packages=$build/packages
started=$SECONDS
DEB_BUILD_OPTIONS=nocheck "$source_dir/scripts/package.sh" "$packages" >"$work/package.log" 2>&1 ||
  { cat "$work/package.log"; fail "scripts/package.sh failed"; }
echo "package test: packages built in $((SECONDS - started)) s"
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
multiarch=$(dpkg-architecture -q DEB_HOST_MULTIARCH)
debs=()
for package in thalrex kegtap libkegtap0 libkegtap-dev; do
  deb=$(echo "$packages/${package}_${version}_"*.deb)
  [ -f "$deb" ] || fail "no package $package $version in $packages"
  debs+=("$deb")
  dpkg -x "$deb" "$work/$package"
  dpkg -x "$deb" "$work/root"
done
thalrex_deb=${debs[0]}

field() { dpkg-deb --field "$1" "$2"; }
for expected in "Depends: libqt6widgets6" "Depends: libkegtap0 (= $version)" "Depends: kegtap (= $version)" \
  "Recommends: xdg-utils" "Recommends: qt6-wayland"; do
  [[ $(field "$thalrex_deb" "${expected%%:*}") == *"${expected#*: }"* ]] ||
    fail "thalrex's ${expected%%:*} lacks ${expected#*: }: $(field "$thalrex_deb" "${expected%%:*}")"
done
[[ $(dpkg-deb --info "${debs[2]}" symbols) == *$'\n ExtractFilesFromTankFile@Base '* ]] ||
  fail "libkegtap0 has no symbols file naming ExtractFilesFromTankFile"

# --- What each package holds --------------------------------------------------------------
holds() {
  local package=$1 file
  shift
  for file in "$@"; do
    [ -e "$work/$package/$file" ] || [ -L "$work/$package/$file" ] || fail "$package lacks $file"
  done
}
lib=usr/lib/$multiarch
holds thalrex usr/lib/thalrex/thalrex usr/bin/gastool usr/share/thalrex/help/index.html \
  usr/share/man/man1/thalrex.1.gz usr/share/man/man1/gastool.1.gz usr/share/mime/packages/thalrex.xml \
  usr/share/applications/thalrex.desktop usr/share/icons/hicolor/scalable/apps/thalrex.svg \
  usr/share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/thalrex.png usr/share/doc/thalrex/copyright
holds kegtap usr/bin/kegtap usr/bin/tankcreator usr/share/man/man1/kegtap.1.gz \
  usr/share/man/man1/tankcreator.1.gz
holds libkegtap0 "$lib/libkegtap.so.0.5.0.2"
holds libkegtap-dev usr/include/kegtap.h "$lib/libkegtap.so" "$lib/pkgconfig/kegtap.pc"
usr=$work/root/usr
program=$usr/lib/thalrex
libdir=$work/root/$lib
for link in "bin/thalrex:../lib/thalrex/thalrex" "lib/thalrex/tankcreator:../../bin/tankcreator" \
  "lib/thalrex/help:../../share/thalrex/help" "lib/$multiarch/libkegtap.so.0:libkegtap.so.0.5.0.2" \
  "lib/$multiarch/libkegtap.so:libkegtap.so.0"; do
  [ "$(readlink "$usr/${link%%:*}")" = "${link#*:}" ] || fail "${link%%:*} does not lead to ${link#*:}"
done
[ -z "$(find "$program" -name 'libkegtap*' -print -quit)" ] || fail "kegtap lies in the program folder"
metainfo=$(echo "$usr"/share/metainfo/*.metainfo.xml)
grep -qx 'Exec=thalrex %f' "$usr/share/applications/thalrex.desktop" || fail "desktop entry Exec"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

# Hardened: every program and the library read-only after relocation, bound at once, and
# position-independent.
for elf in "$program/thalrex" "$usr"/bin/{gastool,kegtap,tankcreator} "$libdir/libkegtap.so.0.5.0.2"; do
  headers=$(readelf --wide --program-headers --dynamic --file-header "$elf")
  for mark in GNU_RELRO 'FLAGS_1.*NOW' 'Type: *DYN'; do
    grep -Eq "$mark" <<<"$headers" || fail "$elf lacks $mark"
  done
  ! grep -Eq '\((RPATH|RUNPATH)\)' <<<"$headers" || fail "$elf has an RPATH or RUNPATH"
done
[[ $(readelf --dyn-syms --wide "$program/thalrex") == *_chk@* ]] || fail "thalrex is not fortified"

# --- Debian's checks, the desktop's checks, the manual pages ------------------------------
lintian --info --fail-on error,warning,info "${debs[@]}" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian found errors, warnings or notes (an unused override among them)"; }
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate failed"; }
desktop-file-validate "$usr/share/applications/thalrex.desktop" ||
  fail "desktop-file-validate failed"
for page in "$usr"/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  [[ $(zcat "$page") == *$'\n'.TH*\"Thalrex\ $version\"* ]] || fail "$(basename "$page") is not of $version"
done

# --- Command-line conventions, without a display ------------------------------------------
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LD_LIBRARY_PATH="$libdir")
for tool in thalrex gastool kegtap tankcreator; do
  "${no_display[@]}" "$usr/bin/$tool" --help >"$work/help" 2>"$work/help-err" ||
    fail "$tool --help did not exit with 0"
  grep -q "$tool" "$work/help" && [ ! -s "$work/help-err" ] || fail "$tool --help is not on standard output"
done
for tool in thalrex gastool; do
  [ "$("${no_display[@]}" "$usr/bin/$tool" --version)" = "$tool $version" ] || fail "$tool --version"
done

# --- A C caller of the unpacked kegtap, found through pkg-config ----------------------------
flags=$(PKG_CONFIG_SYSROOT_DIR=$work/root PKG_CONFIG_LIBDIR=$libdir/pkgconfig \
  pkg-config --cflags --libs kegtap) || fail "pkg-config does not know kegtap"
[[ $flags != *rpath* ]] || fail "kegtap.pc adds an rpath: $flags"
cc -std=c11 -Wall -Wextra -Werror -o "$work/kegtap_caller" "$caller_source" $flags ||
  fail "a C program does not build against the unpacked kegtap: $flags"
export LD_LIBRARY_PATH=$libdir # the dynamic loader's ordinary path, in the temporary root

# extract_both TANK NAME: extracts the Tank with the C caller into $work/NAME-caller and with the
# unpacked kegtap tool into $work/NAME-tool; both must give the same files.
extract_both() {
  local tank=$1 name=$2
  mkdir "$work/$name-caller" "$work/$name-tool"
  "$work/kegtap_caller" "$tank" "$work/$name-caller" || fail "the C caller could not extract $tank"
  "$usr/bin/kegtap" extract "$tank" -d "$work/$name-tool" >"$work/kegtap.log" 2>&1 ||
    { cat "$work/kegtap.log"; fail "bin/kegtap failed on $tank"; }
  diff -r "$work/$name-caller" "$work/$name-tool" >/dev/null ||
    fail "bin/kegtap extracted other files than the library did from $tank"
}

# pack FOLDER TANK: packs with the unpacked tankcreator.
pack() {
  "$usr/bin/tankcreator" -source "$1" -out "$2" >"$work/tankcreator.log" 2>&1 ||
    { cat "$work/tankcreator.log"; fail "bin/tankcreator failed on $1"; }
}

# --- A Tank packed by the unpacked tankcreator --------------------------------------------
sample=$work/sample
mkdir -p "$sample/world/maps/empty" "$sample/Objects"
printf '[info]\r\n{\r\n}\r\n' >"$sample/Info.gas"
head -c 70000 /dev/urandom >"$sample/Portrait-0.bmp"
seq 1 40000 >"$sample/world/maps/big.gas"
: >"$sample/world/empty.gas"
printf '[t:template,n:a]\r\n{\r\n}\r\n' >"$sample/Objects/a.gas"
pack "$sample" "$work/sample.dsparty"
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

# --- The unpacked editor ------------------------------------------------------------------
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

# run_editor HOME EXECUTABLE [ARGUMENT...]: New, Farmer, Save, close; fails unless the driver
# says ok.
run_editor() {
  local home=$1 executable=$2
  shift 2
  mkdir -p "$home/run"
  chmod 700 "$home/run"
  chown -R "$owner" "$home"
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$home" \
    XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen \
    LD_PRELOAD="$work/editor_driver.so" THALREX_DRIVER=smoke \
    timeout 60 "${as_user[@]}" "$executable" "$@" >"$home/editor.log" 2>&1 ||
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
imports=$home/.local/share/Thalrex/Imports
touch "$work/before-editor"
run_editor "$home" "$usr/bin/thalrex"
expect_saved "$home/.config/Thalrex/Thalrex.INI" "$imports"
[ -z "$(find "$program" -newer "$work/before-editor" -print -quit)" ] ||
  fail "the editor wrote into the program folder"

# The saved hero, packed as a party and named on the command line, as a file manager opens it:
# the editor imports it with the unpacked libkegtap.so.0.
cp -r "$imports/Hero" "$work/hero"
pack "$work/hero" "$work/Packed.dsparty"
chmod 644 "$work/Packed.dsparty"
run_editor "$home" "$usr/bin/thalrex" "$work/Packed.dsparty"
diff -r "$work/hero" "$imports/Packed" || fail "the party named on the command line was not imported"

# A portable copy: the file "portable" beside the program keeps everything in its folder.
portable=$work/portable
cp -rL "$program" "$portable"
touch "$portable/portable"
chmod -R u+w "$portable"
chown -R "$owner" "$portable"
run_editor "$work/home-portable" "$portable/thalrex"
expect_saved "$portable/Thalrex.INI" "$portable/Imports"
[ ! -e "$work/home-portable/.config/Thalrex" ] || fail "a portable copy wrote into ~/.config"
[ ! -e "$work/home-portable/.local/share/Thalrex" ] || fail "a portable copy wrote into ~/.local/share"
echo "package test: $(basename "$thalrex_deb") ($(stat -c %s "$thalrex_deb") bytes) installs and runs"
