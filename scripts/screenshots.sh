#!/usr/bin/env bash
# Renews the README's pictures in docs/images/: the program runs offscreen on the sample card
# (written as scripts/run.sh writes it), orvex-screenshot reaches each window by clicking its
# controls, and pngquant keeps the files small.
#   scripts/screenshots.sh [NAME...]    all pictures, or only those named
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
build=${ORVEX_SCREENSHOT_BUILD:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"${ORVEX_JOBS:-2}" --target orvex-screenshot orvex-cli >/dev/null

card=$build/sample-card
if [ ! -f "$card/.complete" ]; then
  rm -rf "$card"
  "$build/cli/orvex-cli" sample-card "$card" >/dev/null
  touch "$card/.complete"
fi

export QT_QPA_PLATFORM=offscreen ORVEX_AUDIO_OUTPUT=adummy
# The pictures show the program as a new user sees it: no folder remembered, no settings.
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp" "$XDG_CONFIG_HOME"' EXIT
mkdir -p docs/images
wanted=("$@")

# shot NAME [orvex-screenshot options]: docs/images/NAME.png
shot() {
  local name=$1
  shift
  if [ ${#wanted[@]} -ne 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then return; fi
  "$build/app/orvex-screenshot" "$card" "$tmp/$name.png" "$@" >/dev/null 2>"$tmp/$name.log" ||
    { echo "screenshots: $name failed:" >&2; cat "$tmp/$name.log" >&2; exit 1; }
  pngquant --force --skip-if-larger --quality 60-90 --speed 1 --output "docs/images/$name.png" "$tmp/$name.png" ||
    cp "$tmp/$name.png" "docs/images/$name.png"
  echo "docs/images/$name.png $(du -k "docs/images/$name.png" | cut -f1) KB"
}

# One line per picture: its name, then the row to play and the controls and tabs to click
# (object name, accessible name or text) to reach the window. The window shown last is saved.
shot player --play 0
shot map --play 0 --click informationButtonImageView
# The settings window on the sample card's config.bin, one picture per tab.
shot settings-video --click settingButton
shot settings-basic --click settingButton --click Basic
shot settings-gps --click settingButton --click GPS
shot settings-aux --click settingButton --click AUX
shot settings-motion --click settingButton --click Motion
shot settings-audio --click settingButton --click Audio
shot settings-drivelog --click settingButton --click "Drive log"
shot format --click settingButton --click sdcardFormatButton
shot clock --click clockButton
