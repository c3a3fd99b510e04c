#!/usr/bin/env bash
# Takes the README's screenshots: the first screen and section 2, from the built game under Xvfb.
#
#   docs/screenshots/first-screen.png   section 1 as the game opens
#   docs/screenshots/later-room.png     section 2 (Continue, slit the tape, peel the foil)
#
# Needs xvfb-run, xdotool and ImageMagick's import and convert; builds the game if needed.
# Works from any directory.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/docs/screenshots"

if [[ "${1:-}" != "--in-xvfb" ]]; then
  for tool in xvfb-run xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "take-screenshots: '$tool' not found (apt-get install xvfb xauth xdotool imagemagick)" >&2
      exit 1
    fi
  done
  if [[ ! -f "$root/build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$root/build" >/dev/null
  fi
  cmake --build "$root/build" --target qorvane >/dev/null
  mkdir -p "$out"
  # A private X server of our own: no window manager, so the window sits at (1,20) undecorated.
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" --in-xvfb
fi

cd "$root" # the game reads data/media/img/ from its working directory
./build/qorvane >/dev/null &
game=$!
trap 'kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true' EXIT

win="$(timeout 20 xdotool search --sync --onlyvisible --name '^Qorvane, v1\.0$' | head -n 1)"
if [[ -z "$win" ]]; then
  echo "take-screenshots: the game window did not appear" >&2
  exit 1
fi

# Keeps the pointer in a corner of the root window, off every button.
park() {
  xdotool mousemove 1020 764
  sleep 0.5
}

# Presses choice button N (1 is the top one) of the column at window x 404..788, y 304 + 30(N-1).
# (No --sync: xdotool would wait for a move that never comes when the pointer is already there.)
choose() {
  xdotool mousemove --window "$win" 596 $((304 + 30 * ($1 - 1) + 14)) click 1
  sleep 0.3
}

# Writes the 800x600 window to a PNG without time stamps, so a retake of the same screen is the
# same file.
shoot() {
  import -window "$win" "$out/.shot.png"
  convert "$out/.shot.png" -crop 800x600+0+0 +repage -strip "$out/$1"
  rm -f "$out/.shot.png"
  echo "take-screenshots: wrote docs/screenshots/$1 ($(identify -format '%wx%h' "$out/$1"))"
}

park
shoot first-screen.png

choose 1 # section 1: Continue the adventure...
choose 1 # section 17: slit the tape along the top of the box
choose 4 # section 25: peel the silver foil away from the panel
park
shoot later-room.png
