#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite twice: the
# normal build, then the core libraries' tests under the address and undefined-behaviour
# sanitizers; between the two it builds and checks the Debian package. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/deps.sh

jobs=${ORVEX_JOBS:-2}
export QT_QPA_PLATFORM=offscreen
# Chromium (Qt WebEngine) refuses to start as root with its sandbox on; tests that load the
# map page disable it for their own process only (see tests), never by default.

echo "== build (normal) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

echo "== tests (normal) =="
(cd build && ctest --output-on-failure -j"$jobs")

# The Debian package: a Release tree of the programs only, checked by lintian, the desktop
# and AppStream validators, and run from a throw-away root.
if [ "${ORVEX_SKIP_PACKAGE:-0}" != 1 ]; then
  echo "== package =="
  tools_missing=""
  for tool in cpack dpkg-deb lintian desktop-file-validate appstreamcli help2man rsvg-convert; do
    command -v "$tool" >/dev/null || tools_missing="$tools_missing $tool"
  done
  if [ -n "$tools_missing" ]; then
    echo "package test skipped: missing$tools_missing"
  else
    bash scripts/package.sh --check
  fi
fi

if [ "${ORVEX_SKIP_SANITIZE:-0}" != 1 ]; then
  echo "== build (sanitizers, core) =="
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVEX_SANITIZE=ON -DORVEX_GUI=OFF \
        -DORVEX_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  echo "== tests (sanitizers, core) =="
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-asan && ctest --output-on-failure -j"$jobs")
fi
echo "== all tests passed =="
