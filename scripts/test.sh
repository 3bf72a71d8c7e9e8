#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# usage: test.sh [--sanitize]   (--sanitize: AddressSanitizer and UBSan, in build-asan/)
# The options are the presets "default" (build/) and "sanitize" in CMakePresets.json; the
# sanitize preset also sets ASAN_OPTIONS and UBSAN_OPTIONS so that any report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui e2e
preset=default
[ "${1:-}" = "--sanitize" ] && preset=sanitize
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
python3 scripts/ctest-no-skip.py --preset "$preset" -j"$(nproc)"  # fails on a skipped test too
