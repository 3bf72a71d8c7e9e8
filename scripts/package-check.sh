#!/usr/bin/env bash
# Builds the Debian packages of debian/ with dpkg-buildpackage in build-deb/, from a copy of the
# source tree there (so nothing is written beside or into the work tree), and checks what a
# Debian or Windows user gets:
#   lintian            no error and no warning on the source and binary packages
#   copyright          debian/copyright gives LICENSE's holders and text
#   control            the package's summary, description and homepage are the metainfo's
#   appstream          the metainfo, alone and within the package's file tree
#   desktop entry      desktop-file-validate prints nothing
#   manual page        renders without a warning
#   windows icon       the .ico holds its twelve images
#   installed program  the autopkgtest of debian/tests, with the null server (as root only): it
#                      installs the package on this machine and starts it under Xvfb as a user
#                      would; the package is removed again unless it was installed before
# Installs what it needs through scripts/deps.sh. Ends with "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh ui package
dir=build-deb
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
changes=$dir/orvane-calc_${version}_$arch.changes
deb=$dir/orvane-calc_${version}_$arch.deb

rm -rf "$dir"
mkdir -p "$dir/orvane-calc-$version"
# The files git tracks (a new one once it is added), as they are now: what the source package
# holds, without what a run left in the tree.
git ls-files -z |
  while IFS= read -r -d '' file; do if [ -e "$file" ]; then printf '%s\0' "$file"; fi; done |
  tar --null -T - -cf - | tar -xf - -C "$dir/orvane-calc-$version"
# debhelper gives the build a HOME of its own: ccache is told where its cache is.
if command -v ccache >/dev/null; then
  CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir)}"
  export CCACHE_DIR
fi
if ! (cd "$dir/orvane-calc-$version" && dpkg-buildpackage -us -uc -J"$(nproc)") >"$dir/build.log" 2>&1; then
  tail -n 40 "$dir/build.log"
  echo "package-check: dpkg-buildpackage failed (whole log in $dir/build.log)" >&2
  exit 1
fi
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
# copyright FILE: the Debian copyright file's holders and Expat licence text are LICENSE's,
# which it repeats in Debian's machine-readable form.
copyright() {
  diff <(tail -n +3 LICENSE) \
       <(sed -n 's/^Copyright: /Copyright (c) /p' "$1"; echo
         sed -n '/^License: Expat$/,/^$/{s/^ \.$//p; s/^ //p}' "$1")
}
# control DEB METAINFO: the package's summary, description and homepage are the ones that the
# metainfo gives a software centre (debian/control and packaging/ hold them apart).
control() {
  python3 - "$@" <<'EOF'
import subprocess, sys, xml.etree.ElementTree as ElementTree
deb, metainfo = sys.argv[1:]
field = lambda name: subprocess.run(["dpkg-deb", "-f", deb, name], check=True, capture_output=True,
                                    text=True).stdout.strip()
summary, long = field("Description").split("\n", 1)
words = lambda text: " ".join(text.split())
package = (summary, [words(p) for p in long.split("\n .\n")], field("Homepage"))
info = ElementTree.parse(metainfo).getroot()
metainfo = (info.findtext("summary"), [words(p.text) for p in info.find("description")],
            info.findtext("url[@type='homepage']"))
for what, ours, theirs in zip(("summary", "description", "homepage"), package, metainfo):
    if ours != theirs:
        print(f"E: the package's {what} is {ours!r}, the metainfo's {theirs!r}")
EOF
}
# installed_program: the autopkgtest, whose log is kept in build-deb/.
installed_program() {
  local status=0
  autopkgtest --summary-file="$dir/autopkgtest.summary" "$changes" -- null >"$dir/autopkgtest.log" 2>&1 ||
    status=$?
  cat "$dir/autopkgtest.summary" 2>/dev/null || true
  [ $status -eq 0 ] || { tail -n 40 "$dir/autopkgtest.log"; return 1; }
}

lintian_as=()
[ "$(id -u)" -eq 0 ] && lintian_as=(runuser -u nobody --)  # lintian asks not to run as root
check lintian "${lintian_as[@]}" lintian --fail-on error,warning "$changes"
check copyright copyright "$tree"/usr/share/doc/orvane-calc/copyright
check control control "$deb" "$tree"/usr/share/metainfo/example.orvane.calc.metainfo.xml
check appstream appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
check appstream-tree appstreamcli validate-tree --no-net "$tree"
check desktop-entry prints_nothing desktop-file-validate "$tree"/usr/share/applications/orvane-calc.desktop
check manual-page man_page "$tree"/usr/share/man/man1/orvane-calc.1.gz
check windows-icon scripts/check-ico.sh resources/orvane-calc.ico
if [ "$(id -u)" -eq 0 ]; then
  installed_before=$(dpkg-query -W -f='${Status}' orvane-calc 2>/dev/null || true)
  check installed-program installed_program
  if [ "$installed_before" != "install ok installed" ]; then
    apt-get -o DPkg::Lock::Timeout=900 remove -y -qq orvane-calc >/dev/null
  fi
else
  echo "skipped: installed-program (the autopkgtest installs the package: run as root)"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
