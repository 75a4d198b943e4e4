#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz harnesses with clang (fuzz/build.sh, into build-fuzz/) and runs each for SECONDS
# (default 60) on its seeds. Fails on the first finding (crash, leak, undefined behaviour, hang);
# libFuzzer leaves the input that failed in build-fuzz/findings/<harness>/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
realdata=${THALREX_REALDATA_DIR:-$PWD/../shared/realdata}

fuzz/build.sh

# run HARNESS LIBFUZZER-OPTIONS... -- SEED-FOLDERS...
run() {
  local harness=$1 options=() seeds=()
  shift
  while [ "$1" != "--" ]; do options+=("$1"); shift; done
  shift
  # Real-data seed folders are left out in a clone that has none.
  for seed in "$@"; do
    if [ -d "$seed" ]; then seeds+=("$seed"); fi
  done
  local corpus=build-fuzz/corpus/$harness findings=build-fuzz/findings/$harness
  local log=build-fuzz/$harness.log
  mkdir -p "$corpus" "$findings"
  echo "fuzz: $harness for ${seconds}s"
  if ! build-fuzz/"$harness" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${options[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: $harness failed; the input is in $findings/" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" | sed "s/^/fuzz: $harness /"
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run kegtap_fuzzer -max_len=8192 -- build-fuzz/seeds "$realdata/tank"
# Up to 64 KiB per Gas input keeps the 2.3 MB sample from slowing every run.
run gas_fuzz -max_len=65536 -rss_limit_mb=2048 -- "$realdata/gas"
