#!/usr/bin/env bash
# Cross-builds the engine libraries and their tests for 64-bit Windows with mingw-w64 and
# runs the tests under wine64.
set -euo pipefail
cd "$(dirname "$0")/.."
need=()
for p in g++-mingw-w64-x86-64-posix wine64 googletest cmake; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_UI=OFF -DORVANE_BUILD_BENCH=OFF \
  -DORVANE_GTEST_SOURCE=/usr/src/googletest
cmake --build build-windows -j"$(nproc)"
export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}"
ctest --test-dir build-windows --output-on-failure
