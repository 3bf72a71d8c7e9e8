#!/usr/bin/env bash
# Linux on ARM64, built here and run under qemu-user: the engine, every test and the fuzz
# targets' corpus replays cross-built with Debian's aarch64 compiler (no Qt: the engine only),
# run by ctest through qemu-aarch64 with the target's libraries from /usr/aarch64-linux-gnu;
# then scripts/same-digits.sh checks what every key stores there against the committed digests.
# Results in build-arm64/, the "arm64" preset's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh arm64
dir=build-arm64
cmake --preset arm64
cmake --build --preset arm64 -j"$(nproc)"
# No fused multiply-add in the engine: it would round once where the other builds round twice.
if aarch64-linux-gnu-objdump -d "$dir"/src/*/liborvane_*.a | grep -E '\sf(n)?m(add|sub)\s'; then
  echo "arm64: the compiler fused a multiply and an add (above)" >&2
  exit 1
fi
python3 scripts/ctest-no-skip.py --preset arm64 -j"$(nproc)"
scripts/same-digits.sh arm64
