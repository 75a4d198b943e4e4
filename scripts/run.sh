#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ ! -x build/bin/thalrex ]; then
  echo "The editor is not built yet; the libraries and their tests are (scripts/test.sh)." >&2
  exit 1
fi
exec build/bin/thalrex
