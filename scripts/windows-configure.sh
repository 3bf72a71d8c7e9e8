#!/usr/bin/env bash
# Configures build-windows/ with the "windows" preset for the Qt for Windows in
# $ORVANE_WINDOWS_QT, which is scripts/windows-qt.sh's prefix when unset (that script builds Qt
# once). A folder configured earlier for another Qt prefix keeps that Qt's package folders
# (Qt6_DIR and the rest) in its cache and would go on using them, even once CMAKE_PREFIX_PATH
# names the new one: it is configured afresh when either names another prefix.
# usage: windows-configure.sh [more cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${ORVANE_WINDOWS_QT:-}" ]; then
  ORVANE_WINDOWS_QT="$(scripts/windows-qt.sh)"
fi
ORVANE_WINDOWS_QT="${ORVANE_WINDOWS_QT%/}"  # as Qt6_DIR is compared with PREFIX/...
export ORVANE_WINDOWS_QT
cache=build-windows/CMakeCache.txt
# cached NAME: the variable's value in the cache, empty when it is not there.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
fresh=()
if [ -f "$cache" ] && { [ "$(cached CMAKE_PREFIX_PATH)" != "$ORVANE_WINDOWS_QT" ] ||
    [[ "$(cached Qt6_DIR)" != "$ORVANE_WINDOWS_QT"/* ]]; }; then
  echo "windows-configure.sh: $cache names another Qt prefix: configuring afresh" >&2
  fresh=(--fresh)
fi
cmake --preset windows "${fresh[@]}" "$@"
