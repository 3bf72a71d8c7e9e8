#!/usr/bin/env bash
# What every calculating key leaves on the stack for the same pseudo-random operands
# (fuzz/ops_results, 100,000 operands per key) must be the same on every platform. Each
# platform named checks its own output against the digests in tests/ops/same-digits.sha256, one
# for each key, so each platform's stage checks itself, in any order:
#   linux    built in build/ ("default" preset, as scripts/test.sh), run natively
#   windows  cross-built with mingw-w64 in build-windows/ ("windows", through
#            scripts/windows-configure.sh, which takes the Qt for Windows from
#            $ORVANE_WINDOWS_QT or scripts/windows-qt.sh), run under wine64
#   arm64    cross-built for Linux on ARM64 in build-arm64/ ("arm64"), run under qemu-aarch64
# A key whose digest differs is named, with the first lines in which the platform's output
# differs from Linux x86-64's (which is built and run for it when not at hand). Each output is
# kept beside the checksum of the program that printed it and reused while that program is the
# same: ARM64 takes minutes.
# usage: same-digits.sh PLATFORM...
#        same-digits.sh --update   writes the digests of Linux x86-64's output, after a change
#                                  meant to change what a key stores
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=100000  # the digests' operands per key
digests="$PWD/tests/ops/same-digits.sha256"
[ $# -gt 0 ] || { echo "usage: same-digits.sh linux|windows|arm64... | --update" >&2; exit 2; }
update=false
[ "$1" = --update ] && { update=true; set -- linux; }
parts=()
for platform in "$@"; do
  case "$platform" in
    linux) parts+=(ui) ;;  # the default preset builds the window too
    windows | arm64) parts+=("$platform") ;;
    *) echo "same-digits.sh: unknown platform '$platform'" >&2; exit 2 ;;
  esac
done
scripts/deps.sh "${parts[@]}"

# The folder, preset and runner of each platform.
folder() { if [ "$1" = linux ]; then echo build; else echo "build-$1"; fi; }
preset() { if [ "$1" = linux ]; then echo default; else echo "$1"; fi; }
# build PLATFORM: ops_results, built in the platform's folder with its preset.
build() {
  if [ "$1" = windows ]; then scripts/windows-configure.sh >/dev/null
  else cmake --preset "$(preset "$1")" >/dev/null; fi
  cmake --build --preset "$(preset "$1")" -j"$(nproc)" --target ops_results
}
# results PLATFORM: FOLDER/same-digits/key<index>, what the platform's ops_results printed
# for each key, unless they hold this program's output already.
results() {
  local dir program stamp runner=()
  dir=$(folder "$1")
  program="$dir/fuzz/ops_results"
  case "$1" in
    windows)
      program+=.exe
      runner=("$(command -v wine64 || echo /usr/lib/wine/wine64)")
      export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}" ;;
    arm64) runner=(qemu-aarch64 -L /usr/aarch64-linux-gnu) ;;
  esac
  stamp="$rounds $(sha256sum <"$program")"
  [ "$(cat "$dir/same-digits.stamp" 2>/dev/null)" = "$stamp" ] && return
  rm -rf "$dir/same-digits" && mkdir "$dir/same-digits"
  "${runner[@]}" "$program" "$rounds" | tr -d '\r' |
    awk -v out="$dir/same-digits" '{ print > (out "/key" $1) }'
  echo "$stamp" >"$dir/same-digits.stamp"
}
# check PLATFORM: the keys whose output differs from its digest, or is missing or extra.
check() {
  local dir
  dir=$(folder "$1")/same-digits
  (cd "$dir" && sha256sum --check --quiet "$digests" 2>/dev/null) | sed 's/:.*//' || true
  comm -13 <(awk '{ print $2 }' "$digests" | sort) <(find "$dir" -type f -printf '%f\n' | sort)
}

for platform in "$@"; do build "$platform"; done
# All at once: each runs on one core.
jobs=()
for platform in "$@"; do
  results "$platform" &
  jobs+=($!)
done
for job in "${jobs[@]}"; do wait "$job"; done

if $update; then
  (cd build/same-digits && sha256sum key*) >"$digests"
  echo "same-digits: $(wc -l <"$digests") digests written to tests/ops/same-digits.sha256"
  exit 0
fi
status=0
for platform in "$@"; do
  dir=$(folder "$platform")/same-digits
  mapfile -t differ < <(check "$platform")
  if [ ${#differ[@]} -eq 0 ]; then
    echo "same-digits: $platform: $(cat "$dir"/key* | wc -l) lines, as the digests say"
    continue
  fi
  status=1
  echo "same-digits: $platform: not as the digests say: ${differ[*]} (keyN: keypad index N)"
  if [ "$platform" = linux ]; then
    echo "same-digits: a key now stores other digits on Linux x86-64; if that is meant, run" \
         "scripts/same-digits.sh --update and say so in the commit"
    continue
  fi
  build linux >/dev/null && results linux  # the output at hand is reused
  for key in "${differ[@]}"; do
    # diff exits 1 on a difference: under pipefail the script would end here.
    diff "build/same-digits/$key" "$dir/$key" | head -20 || true
    echo "same-digits: $key: $(diff "build/same-digits/$key" "$dir/$key" | grep -c '^<' || true)" \
         "lines differ (Linux x86-64 <, $platform >)"
  done
done
exit $status
