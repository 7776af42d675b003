#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample card into the build folder (once), and
# opens it in the player, playing its first recording. Without a display the player runs on
# the offscreen platform, saves a picture of its window and prints where.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${ORVEX_JOBS:-2}" >/dev/null

cli=build/cli/orvex-cli
card=build/sample-card
if [ ! -f "$card/.complete" ]; then
  rm -rf "$card"
  "$cli" sample-card "$card"
  touch "$card/.complete"
fi

echo "== Recordings on the sample card ($card) =="
"$cli" recordings "$card" --summary
first=$("$cli" recordings "$card" --first-front)
echo
echo "== Telemetry of $(basename "$first") =="
"$cli" telemetry "$first" --format summary
echo

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== Playing the sample card in the player =="
  exec build/app/orvex "$card" --play 0
fi

echo "== No display: the player runs offscreen and takes a picture of its window =="
shot=$(pwd)/build/orvex-window.png
QT_QPA_PLATFORM=offscreen ORVEX_AUDIO_OUTPUT=${ORVEX_AUDIO_OUTPUT:-adummy} \
  build/app/orvex "$card" --play 0 --screenshot "$shot" --quit-after 6 2>/dev/null
