#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need; does nothing when all are present.
# The build's own dependencies, the test libraries among them, are the Build-Depends of
# debian/control; the tools below serve development: the sanitizer and fuzz builds (clang), the
# virtual display, the benchmarks (zip, unzip) and the checks of the package test.
set -euo pipefail
cd "$(dirname "$0")/.."

tools=(
  dpkg-dev ccache file
  clang libclang-rt-dev
  xvfb xauth x11-utils zip unzip
  lintian appstream desktop-file-utils man-db
)

missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
build_deps_met=true
if [ ${#missing[@]} -ne 0 ] || ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  build_deps_met=false
fi
[ ${#missing[@]} -eq 0 ] && $build_deps_met && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends)
"${apt[@]}" update
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  "${apt[@]}" install "${missing[@]}"
fi
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  echo "Installing the Build-Depends of debian/control"
  "${apt[@]}" build-dep ./
fi
