#!/usr/bin/env bash
# Builds the program that prints what every calculating key leaves on the stack for the same
# pseudo-random operands, natively and cross-built for Windows, runs both (the Windows one under
# wine64) and fails when any line differs.
# usage: same-digits.sh [operands per key, default 100000]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-100000}"
# Configured as the other scripts do when new; re-run anyway, so a new target is known.
if [ -f build/CMakeCache.txt ]; then cmake -S . -B build >/dev/null
else cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_UI=OFF >/dev/null; fi
if [ -f build-windows/CMakeCache.txt ]; then cmake -S . -B build-windows >/dev/null
else
  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_UI=OFF -DORVANE_BUILD_BENCH=OFF \
    -DORVANE_GTEST_SOURCE=/usr/src/googletest >/dev/null
fi
cmake --build build -j"$(nproc)" --target ops_results
cmake --build build-windows -j"$(nproc)" --target ops_results
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}"
out=build-windows/same-digits
mkdir -p "$out"
build/fuzz/ops_results "$rounds" >"$out/linux.txt" &
native=$!
"$wine" build-windows/fuzz/ops_results.exe "$rounds" | tr -d '\r' >"$out/windows.txt"
wait "$native"
lines=$(wc -l <"$out/linux.txt")
if ! cmp -s "$out/linux.txt" "$out/windows.txt"; then
  diff "$out/linux.txt" "$out/windows.txt" | head -20
  echo "same-digits: $(diff "$out/linux.txt" "$out/windows.txt" | grep -c '^<') of $lines lines differ (Linux <, Windows >)"
  exit 1
fi
echo "same-digits: $lines lines compared, all the same"
