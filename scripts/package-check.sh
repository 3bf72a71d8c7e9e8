#!/usr/bin/env bash
# Builds the Debian package in build-deb/ (the "package" preset) as Debian builds its own
# (dpkg-buildflags, all hardening) and checks what a Debian or Windows user gets:
#   lintian            no error and no warning on the .deb
#   appstream          the metainfo, alone and within the package's file tree
#   desktop entry      desktop-file-validate prints nothing
#   manual page        renders without a warning
#   windows icon       the .ico holds its twelve images
#   installed program  check_deb.py: installs the .deb and runs it under Xvfb (as root only)
# Installs what it needs through scripts/deps.sh. Ends with "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui package
dir=build-deb

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset package \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build --preset package -j"$(nproc)"
rm -f "$dir"/orvane-calc_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/orvane-calc_*.deb)
deb=${debs[0]}
echo "built $deb"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

passed=0
failed=0
# check NAME COMMAND...: runs the command, which fails by its exit status or by printing
# anything on a line that starts with E: or W: (lintian's and appstreamcli's faults).
check() {
  local name=$1 out status=0
  shift
  out=$("$@" 2>&1) || status=$?
  [ -n "$out" ] && printf '%s\n' "$out" | sed "s/^/  $name: /"
  if [ $status -eq 0 ] && ! printf '%s\n' "$out" | grep -q '^[EW]: '; then
    echo "ok: $name"
    passed=$((passed + 1))
  else
    echo "FAILED: $name (exit status $status)"
    failed=$((failed + 1))
  fi
}
# prints_nothing COMMAND...: fails when the command prints anything (desktop-file-validate's way).
prints_nothing() {
  local out
  out=$("$@" 2>&1) || { printf '%s\n' "$out"; return 1; }
  [ -z "$out" ] || { printf '%s\n' "$out"; return 1; }
}
# man_page FILE: the page renders without a warning from groff.
man_page() {
  local warnings
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { printf 'W: %s\n' "$warnings"; return 1; }
}

lintian_as=()
[ "$(id -u)" -eq 0 ] && lintian_as=(runuser -u nobody --)  # lintian asks not to run as root
check lintian "${lintian_as[@]}" lintian --fail-on error,warning "$deb"
check appstream appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
check appstream-tree appstreamcli validate-tree --no-net "$tree"
check desktop-entry prints_nothing desktop-file-validate "$tree"/usr/share/applications/orvane-calc.desktop
check manual-page man_page "$tree"/usr/share/man/man1/orvane-calc.1.gz
check windows-icon scripts/check-ico.sh resources/orvane-calc.ico
if [ "$(id -u)" -eq 0 ]; then
  check installed-program python3 scripts/check_deb.py "$deb"
else
  echo "skipped: installed-program (check_deb.py installs the package: run as root)"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
