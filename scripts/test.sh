#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_UI=ON -DORVANE_BUILD_TESTS=ON -DORVANE_BUILD_BENCH=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
