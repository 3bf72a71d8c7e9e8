#!/usr/bin/env bash
# Installs what is missing, builds the calculator (the "default" preset, build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui
cmake --preset default
cmake --build --preset default -j"$(nproc)" --target orvane-calc
exec build/orvane-calc
