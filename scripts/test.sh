#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# usage: test.sh [--sanitize]   (--sanitize: AddressSanitizer and UBSan, in build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui e2e
dir=build
options=(-DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_UI=ON -DBUILD_TESTING=ON -DORVANE_BUILD_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_SANITIZE=ON -DORVANE_BUILD_UI=ON
           -DBUILD_TESTING=ON -DORVANE_BUILD_BENCH=OFF)
  # Any report fails its test: UBSan stops at the first, ASan always does.
  export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
fi
cmake -S . -B "$dir" "${options[@]}"
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
