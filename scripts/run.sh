#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample card into the build folder (once),
# and runs the program's main job on it.
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
