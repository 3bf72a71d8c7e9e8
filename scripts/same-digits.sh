#!/usr/bin/env bash
# What every calculating key leaves on the stack for the same pseudo-random operands
# (fuzz/ops_results), printed on Linux x86-64 and on each platform named, must be the same on
# every line:
#   windows  cross-built with mingw-w64 in build-windows/, run under wine64
#   arm64    cross-built for Linux on ARM64 in build-arm64/, run under qemu-aarch64
# With no platform named, both: the full comparison, which scripts/windows.sh makes (so CI
# compares the three once, after scripts/arm64.sh has compared ARM64 alone). Each folder is
# configured by its own preset, as the platform's own script configures it (build/: "default",
# as scripts/test.sh; build-windows/: "windows", through scripts/windows-configure.sh, which
# takes the Qt for Windows from $ORVANE_WINDOWS_QT or scripts/windows-qt.sh). Each output is kept
# beside the checksum of the program that printed it and reused while that program is the same:
# ARM64 takes minutes.
# usage: same-digits.sh [operands per key, default 100000] [windows] [arm64]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-100000}"
platforms=("${@:2}")
[ ${#platforms[@]} -gt 0 ] || platforms=(windows arm64)
# ui: the default preset builds the window too.
scripts/deps.sh ui "${platforms[@]}"

# build PRESET: ops_results, built in the preset's folder.
build() {
  if [ "$1" = windows ]; then scripts/windows-configure.sh >/dev/null
  else cmake --preset "$1" >/dev/null; fi
  cmake --build --preset "$1" -j"$(nproc)" --target ops_results
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

for platform in "${platforms[@]}"; do
  case "$platform" in
    windows | arm64) ;;
    *) echo "same-digits.sh: unknown platform '$platform'" >&2; exit 2 ;;
  esac
done
build default
for platform in "${platforms[@]}"; do build "$platform"; done

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
    # diff exits 1 on a difference: under pipefail the script would end here, before the count
    # and the other platforms.
    diff build/same-digits.txt "build-$platform/same-digits.txt" | head -20 || true
    echo "same-digits: $(diff build/same-digits.txt "build-$platform/same-digits.txt" | grep -c '^<') of $lines lines differ (Linux x86-64 <, $platform >)"
    status=1
  fi
done
exit $status
