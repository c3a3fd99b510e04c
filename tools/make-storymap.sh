#!/usr/bin/env bash
# Regenerates the story map: docs/storymap.dot from the content tables, and docs/storymap.svg from it.
# Needs a configured build/ (tools/run-game.sh or run-tests.sh makes one) and Graphviz's dot.
# Works from any directory.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

if ! command -v dot >/dev/null 2>&1; then
  echo "make-storymap: 'dot' not found; install graphviz (apt-get install graphviz)" >&2
  exit 1
fi
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" >/dev/null
fi
cmake --build "$build" --target qorvane-storymap >/dev/null

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$build/tools/qorvane-storymap" >"$tmp/storymap.dot"
dot -Tsvg "$tmp/storymap.dot" >"$tmp/plain.svg"
# The SVG says what it is right after its XML declaration (which must stay the first line).
sed '1a <!-- Qorvane story map, drawn by tools/make-storymap.sh from docs/storymap.dot: do not edit. -->' \
  "$tmp/plain.svg" >"$tmp/storymap.svg"

mv "$tmp/storymap.dot" "$root/docs/storymap.dot"
mv "$tmp/storymap.svg" "$root/docs/storymap.svg"
chmod 644 "$root/docs/storymap.dot" "$root/docs/storymap.svg"
echo "make-storymap: wrote docs/storymap.dot and docs/storymap.svg"
