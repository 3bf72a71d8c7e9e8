#!/usr/bin/env bash
# Windows, built here and tested under wine64: Qt for Windows (built once, then cached), then
# orvane-calc.exe and every test cross-built with mingw-w64; the tests run under wine64 on an
# Xvfb of their own, the end-to-end test drives the .exe, and CPack makes the ZIP and the
# installer, which is installed, used and uninstalled silently.   Results in build-windows/,
# the "windows" preset's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh windows
# The preset reads the Qt prefix from the environment; same-digits.sh below finds it there too.
ORVANE_WINDOWS_QT="$(scripts/windows-qt.sh)"
export ORVANE_WINDOWS_QT
dir=build-windows
scripts/windows-configure.sh
cmake --build --preset windows -j"$(nproc)"

# A prefix of the run's own; each step ends its wineserver, so a new display gets a new one.
export WINEPREFIX="$PWD/$dir/wineprefix"
rm -rf "$WINEPREFIX"
python3 scripts/xsession.py python3 scripts/ctest-no-skip.py --preset windows  # fails on a skip too
python3 scripts/xsession.py scripts/same-digits.sh windows
python3 tests/e2e/e2e_test.py "$dir/orvane-calc.exe"
(cd "$dir" && cpack -G ZIP && cpack -G NSIS64)
python3 tests/e2e/installer_test.py "$dir"/orvane-calc-*-win64.exe
ls -l "$dir/orvane-calc.exe" "$dir"/orvane-calc-*-win64.zip "$dir"/orvane-calc-*-win64.exe
