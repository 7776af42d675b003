#!/usr/bin/env bash
# Builds the Debian package build-release/orvex_<version>_<arch>.deb: a Release tree with the
# prefix /usr, only the targets the package holds, then CPack's DEB generator.
#   scripts/package.sh           build the package and print its path
#   scripts/package.sh --check   also check it: lintian (no errors), desktop-file-validate,
#                                appstreamcli, its files, and the installed programs run from
#                                a throw-away root
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
[ "${1:-}" = --check ] && check=1

bash scripts/deps.sh
build=build-release
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# Debian's hardening: fortified string functions, stack protector, read-only relocations
# bound at start.
hardening_cxx="-D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security"
hardening_ld="-Wl,-z,relro -Wl,-z,now"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$hardening_cxx" -DCMAKE_EXE_LINKER_FLAGS="$hardening_ld" \
  -DORVEX_TESTS=OFF -DORVEX_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j"${ORVEX_JOBS:-2}" --target orvex orvex-cli orvex_icons orvex_changelog orvex_man_pages

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$build/orvex_${version}_${arch}.deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || { echo "package: cpack made no $deb" >&2; exit 1; }
echo "$deb"
[ $check = 1 ] || exit 0

echo "== package: $(du -k "$deb" | cut -f1) KB, installed $(dpkg-deb -f "$deb" Installed-Size) KB =="
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
failures=0
fail() { echo "package: FAIL: $*" >&2; failures=$((failures + 1)); }

# lintian's errors fail the check; its warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for file in usr/bin/orvex usr/bin/orvex-cli usr/share/applications/orvex.desktop \
            usr/share/metainfo/org.orvex.orvex.metainfo.xml \
            usr/share/polkit-1/actions/org.orvex.format.policy \
            usr/share/icons/hicolor/scalable/apps/orvex.svg \
            usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/orvex.png \
            usr/share/man/man1/orvex.1.gz usr/share/man/man1/orvex-cli.1.gz \
            usr/share/doc/orvex/copyright usr/share/doc/orvex/changelog.gz; do
  [ -s "$root/$file" ] || fail "the package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/orvex.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.orvex.orvex.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.orvex.orvex.metainfo.xml" ||
  fail "the metainfo's release is not $version"

expect() { # expect WHAT WANTED COMMAND...: runs the installed program, compares its output
  local what=$1 wanted=$2 got
  shift 2
  got=$("$@" 2>"$root/stderr") || { fail "$what exited with $?: $(cat "$root/stderr")"; return; }
  [ "$got" = "$wanted" ] && echo "ok: $what: $got" || fail "$what printed \"$got\", not \"$wanted\""
}
expect "orvex-cli --version" "orvex-cli $version" "$root/usr/bin/orvex-cli" --version
expect "orvex-cli size 7948206080" "7.4 GB" "$root/usr/bin/orvex-cli" size 7948206080
expect "orvex --version" "orvex $version" env QT_QPA_PLATFORM=offscreen "$root/usr/bin/orvex" --version
zcat "$root/usr/share/man/man1/orvex-cli.1.gz" | grep -q "size BYTES" ||
  fail "the orvex-cli manual page lacks its commands"

if [ $failures -ne 0 ]; then
  echo "package: $failures check(s) failed" >&2
  exit 1
fi
echo "== package checks passed =="
