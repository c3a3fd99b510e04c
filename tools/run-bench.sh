#!/usr/bin/env bash
# Builds the game and its benchmarks in Release if needed and runs them under a private Xvfb.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

tools/install-deps.sh --bench

# A build folder of its own, always Release and without the tests, so the benchmark never
# measures a debug or sanitizer build that another script configured.
build="${QORVANE_BENCH_BUILD:-build-bench}"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
targets=(qorvane qorvane_bench_game qorvane_bench_minimal qorvane_bench_driver)
if ! { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQORVANE_TESTS=OFF -DQORVANE_BENCH=ON \
  -DQORVANE_SANITIZE=OFF && cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"; } \
  >"$log" 2>&1; then
  cat "$log" >&2
  echo "run-bench: the build failed" >&2
  exit 1
fi

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $(nproc) cores," \
  "$(free -h | awk '/^Mem:/ {print $2}') memory, Debian $(cat /etc/debian_version)," \
  "FLTK $(fltk-config --version 2>/dev/null || echo '?')"

# The game reads its pictures relative to the working directory: the drivers run from here.
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  "$build/bench/qorvane_bench_driver" \
  --game "$build/bench/qorvane_bench_game" \
  --minimal "$build/bench/qorvane_bench_minimal" \
  --real "$build/qorvane" "$@"
