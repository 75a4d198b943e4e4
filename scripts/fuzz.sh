#!/usr/bin/env bash
# Builds the fuzz harnesses with clang into build-fuzz/ and runs each for SECONDS (default 60),
# seeded with the real sample files. Fails on the first finding (crash, leak, undefined behaviour,
# timeout); libFuzzer leaves the failing input as build-fuzz/findings/<harness>/crash-* etc.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
realdata=${THALREX_REALDATA_DIR:-$PWD/../shared/realdata}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTHALREX_GUI=OFF -DTHALREX_FUZZ=ON -DTHALREX_WERROR=OFF \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" >/dev/null
harnesses=$(sed -n 's/^thalrex_add_fuzzer(\([A-Za-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
cmake --build build-fuzz --target $harnesses

# Seeds per harness: the real files of its input kind.
seeds_for() {
  case "$1" in
    gas_*) echo "$realdata/gas" ;;
    kegtap_*) echo "$realdata/tank" ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for harness in $harnesses; do
  corpus=build-fuzz/corpus/$harness findings=build-fuzz/findings/$harness
  mkdir -p "$corpus" "$findings"
  echo "fuzz: $harness for ${seconds}s"
  # Up to 64 KiB per input keeps the large seeds from slowing every run; -timeout reports a hang.
  build-fuzz/fuzz/"$harness" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" $(seeds_for "$harness") >"build-fuzz/$harness.log" 2>&1 || {
    tail -n 60 "build-fuzz/$harness.log"
    echo "fuzz: $harness found a failing input in $findings/" >&2
    exit 1
  }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build-fuzz/$harness.log" |
    sed "s/^/fuzz: $harness /"
done
