#!/usr/bin/env bash
# Installs the Debian 12 packages ORVEX needs to build, test and run.
# Idempotent: asks dpkg first and touches apt only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-webengine-dev qt6-webengine-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libqt6opengl6-dev qt6-image-formats-plugins
  libvlc-dev vlc-plugin-base vlc-plugin-video-output
  dosfstools mtools pkexec ffmpeg gpsbabel dbus python3-dbusmock xvfb xauth
  clang libclang-rt-14-dev libjs-leaflet poppler-utils
  fonts-dejavu-core
  file lintian desktop-file-utils appstream librsvg2-bin help2man pngquant
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "deps: installing ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
