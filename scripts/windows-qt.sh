#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (static, mingw-w64) from Debian's source of the Qt the Linux build
# uses, into a cache folder outside the work tree, and prints that folder. Does nothing but print
# it when the cache is complete, so only a new machine pays for the build (about half an hour on
# two cores).   usage: windows-qt.sh [--check]
# --check: prints the cache folder and exits 0 when it is complete, 1 when not; builds nothing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
check=false
[ "${1:-}" = "--check" ] && check=true
$check || "$here/deps.sh" windows >&2

version="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null)" || exit 1
# Every option that changes the result; the cache folder is named by them and the version.
options=(
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_static_runtime=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF
  -DFEATURE_glib=OFF -DFEATURE_openssl=OFF -DFEATURE_sql_sqlite=OFF
  # Only what the program uses, which also makes it smaller (README, "Measured"): no second
  # copy of the Windows platform plugin drawing with Direct2D (Direct2D itself stays: the
  # DirectWrite font engine needs it), no FreeType (Windows draws the fonts; it also takes the
  # offscreen plugin away), no GIF, ICO or JPEG reader (the icons are PNGs), optimised for size.
  -DFEATURE_optimize_size=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_freetype=OFF
  -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF
  # Core: no built-in MIME database (nothing of the program asks for a file's type), and the
  # compact SHA-3.
  -DFEATURE_mimetype_database=OFF -DFEATURE_sha3_fast=OFF
  # Gui: no Markdown or ODF for text documents, PDF, movies, pictures, tray icon, undo stack
  # or file system model.
  -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
  -DFEATURE_pdf=OFF -DFEATURE_movie=OFF -DFEATURE_picture=OFF -DFEATURE_systemtrayicon=OFF
  -DFEATURE_undocommand=OFF -DFEATURE_filesystemmodel=OFF
  # Widgets: the Windows styles without Fusion or style sheets, and none of the widgets and
  # dialogs that no window of the program shows.
  -DFEATURE_style_fusion=OFF -DFEATURE_style_stylesheet=OFF -DFEATURE_graphicsview=OFF
  -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF
  -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF
  -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_fontcombobox=OFF
  -DFEATURE_mdiarea=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_splashscreen=OFF
  -DFEATURE_keysequenceedit=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_syntaxhighlighter=OFF
  -DFEATURE_textbrowser=OFF -DFEATURE_columnview=OFF -DFEATURE_datawidgetmapper=OFF
  -DFEATURE_tablewidget=OFF -DFEATURE_treewidget=OFF -DFEATURE_toolbox=OFF
)
key="$(printf '%s\n' "$version" "${options[@]}" | sha256sum | cut -c1-12)"
cache="${ORVANE_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvane-calc}"
prefix="$cache/qt-${version%%+*}-mingw64-static-$key"
work="$cache/work-$key"

fetch_source() {
  rm -rf "$work"
  mkdir -p "$work/apt/lists/partial" "$work/apt/parts" "$work/src"
  # A private apt configuration with the source entries: the system's lists stay as they are.
  cat >"$work/apt/sources.list" <<LIST
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
LIST
  apt=(apt-get -q -o "Dir::Etc::SourceList=$work/apt/sources.list"
       -o "Dir::Etc::SourceParts=$work/apt/parts" -o "Dir::State::Lists=$work/apt/lists")
  "${apt[@]}" update >&2
  (cd "$work/src" && "${apt[@]}" source "qt6-base=$version" >&2)
  source_dir="$(find "$work/src" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base*' | head -1)"
}

# The licence texts that a program linked with this Qt must carry: Qt's own (LGPL-3, which
# builds on the GPL-3) and those of the bundled libraries the static build holds.
copy_licences() {
  local to="$prefix/licenses" third="$source_dir/src/3rdparty"
  mkdir -p "$to"
  cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$to/Qt-LGPL-3.0.txt"
  cp "$source_dir/LICENSES/GPL-3.0-only.txt" "$to/GPL-3.0.txt"
  cp "$third/zlib/LICENSE" "$to/zlib.txt"
  cp "$third/pcre2/LICENCE" "$to/pcre2.txt"
  cp "$third/libpng/LICENSE" "$to/libpng.txt"
  cp "$third/harfbuzz-ng/COPYING" "$to/harfbuzz.txt"
  cp "$third/double-conversion/LICENSE" "$to/double-conversion.txt"
  cp "$third/easing/LICENSE" "$to/easing.txt"
  cp "$third/icc/LICENSE.txt" "$to/icc-profiles.txt"
  cp "$third/tinycbor/LICENSE" "$to/tinycbor.txt"
  cp "$third/sha3/CC0_LICENSE" "$to/sha3.txt"
  cp "$third/blake2/COPYING" "$to/blake2.txt"
  cp "$third/rfc6234/LICENSE" "$to/rfc6234.txt"
}

if $check; then
  echo "$prefix"
  [ -f "$prefix/.complete" ]
  exit
fi
if [ -f "$prefix/.complete" ]; then
  if [ ! -d "$prefix/licenses" ]; then
    fetch_source
    copy_licences
    rm -rf "$work"
  fi
  echo "$prefix"
  exit 0
fi

start=$(date +%s)
# A build that was stopped (a CI run out of time, a session ended) goes on where it stopped.
resumed=""
if [ -f "$work/configured" ]; then
  resumed=" (going on from a stopped build)"
  echo "windows-qt.sh: going on with the build in $work" >&2
else
  fetch_source
  cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64-x86_64.cmake" -DWINE64=OFF \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
  touch "$work/configured"
fi
source_dir="$(find "$work/src" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base*' | head -1)"
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >&2
copy_licences
echo "Qt for Windows built in $(( $(date +%s) - start )) s$resumed" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
