#!/usr/bin/env bash
# Installs with apt-get what building and testing need and is not there yet (Debian 12).
# usage: deps.sh [ui] [e2e] [fuzz] [lint] [icons] [package] [windows] [arm64]
set -euo pipefail
# icoutils: every test build checks the Windows icon with icotool; ccache: a build folder made
# again compiles only what changed; python3-gmpy2: the exact results of
# tests/ops/exact-results.txt are computed again
packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev libboost-dev icoutils ccache
          python3 python3-gmpy2)
for part in "$@"; do
  case "$part" in
    # libxkbcommon-dev and xkb-data: the layout tests compile keymaps from layout names
    ui) packages+=(qt6-base-dev libgl-dev fonts-liberation2 pkg-config libxkbcommon-x11-dev
                   libxkbcommon-dev xkb-data qt6-wayland-dev libwayland-dev) ;;
    # weston, its Qt plugin and wl-clipboard: the end-to-end test runs as a Wayland client too;
    # dbus, at-spi2-core and pyatspi: it reads the window as a screen reader does
    e2e) packages+=(python3 python3-xlib xvfb xdotool xclip x11-utils x11-xserver-utils x11-xkb-utils
                    weston qt6-wayland wl-clipboard dbus at-spi2-core python3-pyatspi) ;;
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    lint) packages+=(clang-format-14 clang-tidy-14 clang-format clang-tidy git) ;;
    icons) packages+=(librsvg2-bin imagemagick) ;;
    package) packages+=(dpkg-dev debhelper lintian autopkgtest appstream desktop-file-utils man-db python3
                        python3-xlib xvfb xdotool x11-utils) ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix wine64 googletest nsis fonts-wine xvfb xdotool
                        xclip x11-utils python3 python3-xlib qt6-base-dev qt6-base-dev-tools dpkg-dev ninja-build
                        zip unzip) ;;
    arm64) packages+=(g++-aarch64-linux-gnu qemu-user googletest python3) ;;
    *) echo "deps.sh: unknown part '$part'" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
