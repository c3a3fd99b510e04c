#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and starts it beside its data/.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target qorvane -j"$(nproc)" >/dev/null

if [[ -z "${DISPLAY:-}" ]]; then
  echo "qorvane: no X display (DISPLAY is not set); start it from a desktop session or under xvfb-run." >&2
  exit 1
fi
exec ./build/qorvane
