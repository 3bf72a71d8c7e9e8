#!/usr/bin/env bash
# What every calculating key leaves on the stack for the same pseudo-random operands
# (fuzz/ops_results), printed on Linux x86-64 and on each platform named, must be the same on
# every line:
#   windows  cross-built with mingw-w64 in build-windows/, run under wine64
#   arm64    cross-built for Linux on ARM64 in build-arm64/, run under qemu-aarch64
# With no platform named, both: the full comparison, which scripts/windows.sh makes (so CI
# compares the three once, after scripts/arm64.sh has compared ARM64 alone). A build folder
# that is new is configured for the engine only. Each output is kept beside the checksum of the
# program that printed it and reused while that program is the same: ARM64 takes minutes.
# usage: same-digits.sh [operands per key, default 100000] [windows] [arm64]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-100000}"
platforms=("${@:2}")
[ ${#platforms[@]} -gt 0 ] || platforms=(windows arm64)
scripts/deps.sh "${platforms[@]}"

# build DIR [cmake options for a new folder...]: ops_results, built in DIR.
build() {
  local dir=$1
  shift
  if [ -f "$dir/CMakeCache.txt" ]; then cmake -S . -B "$dir" >/dev/null
  else cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_UI=OFF "$@" >/dev/null; fi
  cmake --build "$dir" -j"$(nproc)" --target ops_results
}
# results DIR PROGRAM [RUNNER...]: DIR/same-digits.txt, unless it holds this program's output.
results() {
  local dir=$1 program=$2 stamp
  shift 2
  stamp="$rounds $(sha256sum <"$program")"
  [ "$(cat "$dir/same-digits.stamp" 2>/dev/null)" = "$stamp" ] && return
  "$@" "$program" "$rounds" | tr -d '\r' >"$dir/same-digits.txt"
  echo "$stamp" >"$dir/same-digits.stamp"
}

cross=(-DORVANE_BUILD_BENCH=OFF -DORVANE_GTEST_SOURCE=/usr/src/googletest)
build build
for platform in "${platforms[@]}"; do
  case "$platform" in
    windows) build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "${cross[@]}" ;;
    arm64) build build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake "${cross[@]}" ;;
    *) echo "same-digits.sh: unknown platform '$platform'" >&2; exit 2 ;;
  esac
done

# All at once: each runs on one core.
results build build/fuzz/ops_results &
jobs=($!)
for platform in "${platforms[@]}"; do
  if [ "$platform" = windows ]; then
    wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
    export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}"
    results build-windows build-windows/fuzz/ops_results.exe "$wine" &
  else
    results build-arm64 build-arm64/fuzz/ops_results qemu-aarch64 -L /usr/aarch64-linux-gnu &
  fi
  jobs+=($!)
done
for job in "${jobs[@]}"; do wait "$job"; done

lines=$(wc -l <build/same-digits.txt)
status=0
for platform in "${platforms[@]}"; do
  if cmp -s build/same-digits.txt "build-$platform/same-digits.txt"; then
    echo "same-digits: Linux x86-64 and $platform: $lines lines, all the same"
  else
    diff build/same-digits.txt "build-$platform/same-digits.txt" | head -20
    echo "same-digits: $(diff build/same-digits.txt "build-$platform/same-digits.txt" | grep -c '^<') of $lines lines differ (Linux x86-64 <, $platform >)"
    status=1
  fi
done
exit $status
