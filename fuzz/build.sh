#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the kegtap fuzzer with clang (libFuzzer, ASan, UBSan) into build-fuzz/ and writes its
# seed corpus into build-fuzz/seeds/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2
mkdir -p build-fuzz/seeds build-fuzz/corpus
build-fuzz/make_seeds build-fuzz/seeds
