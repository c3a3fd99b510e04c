#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite under Xvfb.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

tools/install-deps.sh --tests
jobs="$(nproc)"
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp")

echo "== build (Release, warnings are errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQORVANE_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

echo "== tests"
"${xvfb[@]}" ctest --test-dir build --output-on-failure -j"$jobs"
