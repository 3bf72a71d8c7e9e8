#!/usr/bin/env bash
# Formatting and static checks: clang-format over every tracked C++ file, then clang-tidy
# (the checks and the naming rules in .clang-tidy) with the compile database of build/, configured
# by the "default" preset as scripts/test.sh configures it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui lint
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files clean"
cmake --preset default
# Qt's generated sources must exist before clang-tidy reads the files that include them.
cmake --build --preset default -j"$(nproc)"
mapfile -t units < <(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' 'fuzz/*.cpp')
run-clang-tidy -quiet -p build -j"$(nproc)" "${units[@]/#/$PWD/}" >build/clang-tidy.log 2>&1 || {
  grep -E "(warning|error):" build/clang-tidy.log | sort -u
  echo "clang-tidy: findings above (whole log in build/clang-tidy.log)"
  exit 1
}
echo "clang-tidy: ${#units[@]} files clean"
