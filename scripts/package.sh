#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages (thalrex, kegtap, libkegtap0, libkegtap-dev and their -dbgsym
# packages) with dpkg-buildpackage from a copy of the source tree, and leaves the .deb files in
# OUT (default build/packages/; the copy and the build logs stay in OUT/source/). Installs what
# is missing first. DEB_BUILD_OPTIONS is passed on: nocheck leaves the test suite out (and
# builds with the nocheck profile); the build runs as many jobs as there are cores unless it
# names parallel=N.
#   scripts/package.sh [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/packages}")
scripts/install-deps.sh

version=$(dpkg-parsechangelog -S Version)
source=$out/source/thalrex-$version
rm -rf "$out"
mkdir -p "$source"
# The files a clone holds: tracked and new ones, without anything git ignores (build folders).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - | tar -C "$source" -xf -
else
  tar --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$source" -xf -
fi

options=${DEB_BUILD_OPTIONS:-}
[[ $options == *parallel=* ]] || options="$options parallel=$(nproc)"
profiles=()
[[ " $options " == *" nocheck "* ]] && profiles=(--build-profiles=nocheck)
# debhelper gives the build a home of its own; ccache keeps using the caller's cache.
if command -v ccache >/dev/null && [ -z "${CCACHE_DIR:-}" ]; then
  CCACHE_DIR=$(ccache --get-config cache_dir)
  export CCACHE_DIR
fi
(cd "$source" && DEB_BUILD_OPTIONS=$options dpkg-buildpackage -us -uc -b "${profiles[@]}") \
  >"$out/source/build.log" 2>&1 || { tail -n 80 "$out/source/build.log"; exit 1; }
mv "$out"/source/*.deb "$out/"
ls "$out"/*.deb
