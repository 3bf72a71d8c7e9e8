#!/usr/bin/env bash
# Configures build-windows/ afresh with the "windows" preset, for the Qt for Windows in
# $ORVANE_WINDOWS_QT or else scripts/windows-qt.sh's (which builds it once). Afresh: a folder
# configured for another Qt prefix would keep that Qt's package folders (Qt6_DIR and the rest)
# in its cache; objects that are the same are not compiled again.
# usage: windows-configure.sh [more cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${ORVANE_WINDOWS_QT:-}" ]; then
  ORVANE_WINDOWS_QT="$(scripts/windows-qt.sh)"
fi
export ORVANE_WINDOWS_QT
cmake --preset windows --fresh "$@"
