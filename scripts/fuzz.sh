#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan on) and runs each for a while on
# its corpus (the "fuzz" preset, build-fuzz/). usage: fuzz.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/deps.sh fuzz
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in number_text listing stack_file engine precise; do
  mkdir -p "$work/$target"
  # An engine input is a sequence of actions: 128 of them explore enough, and longer inputs
  # would only slow the search.
  max_len=4096
  [ "$target" = engine ] && max_len=128
  echo "== ${target}_fuzz for ${seconds}s"
  # New inputs go to a scratch folder; the checked-in corpus only seeds the run.
  if ! build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -malloc_limit_mb=256 \
      -rss_limit_mb=1024 -max_len=$max_len \
      -print_final_stats=1 -artifact_prefix="$work/" \
      "$work/$target" "fuzz/corpus/$target" 2>"$work/$target.log"; then
    status=1
    tail -n 40 "$work/$target.log"
    cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* . 2>/dev/null || true
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" | tr '\n' ' '
  echo
done
exit $status
