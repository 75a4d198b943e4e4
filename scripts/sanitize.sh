#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the layers without Qt Widgets (gas, hero, kegtap, tools) and their tests with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs the tests; any finding
# aborts the test that met it and so fails the run. -O1 keeps the tests quick under the checks.
set -euo pipefail
cd "$(dirname "$0")/.."
sanitizers="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTHALREX_GUI=OFF \
  -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build build-asan

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
ctest --output-on-failure --no-tests=error -j2 -LE package
