#!/usr/bin/env bash
# Renders the book's illustrations and the application icon from their SVG sources.
#
#   art/NAME.svg          -> data/media/img/NAME.jpg   (384x264 baseline JPEG, quality 90)
#   art/qorvane-icon.svg  -> data/icons/hicolor/SIZExSIZE/apps/qorvane.png and scalable/apps/qorvane.svg
#
# Needs rsvg-convert (librsvg2-bin), pngtopnm (netpbm) and cjpeg (libjpeg-turbo-progs).
# Usage: tools/render-art.sh [NAME...]   (no names: every plate and the icon)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
art="$root/art"
img="$root/data/media/img"
icons="$root/data/icons/hicolor"

plates=(brownBox paperNote 3switches electronics tunerCircuit CarryingBox fire-escape buildingExplosion flames)
width=384
height=264
quality=90
max_bytes=81920   # the window loads each plate whole; keep every one under 80 KB

for tool in rsvg-convert pngtopnm cjpeg; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "render-art: '$tool' not found (apt-get install librsvg2-bin netpbm libjpeg-turbo-progs)" >&2
        exit 1
    fi
done

if [ "$#" -gt 0 ]; then
    plates=("$@")
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

mkdir -p "$img"
for name in "${plates[@]}"; do
    src="$art/$name.svg"
    out="$img/$name.jpg"
    if [ ! -f "$src" ]; then
        echo "render-art: missing $src" >&2
        exit 1
    fi
    # Flatten on black so any uncovered edge reads as shadow, never as a white seam.
    rsvg-convert --width "$width" --height "$height" --background-color '#000000' \
        --format png --output "$tmp/$name.png" "$src"
    pngtopnm "$tmp/$name.png" > "$tmp/$name.ppm" 2>/dev/null
    # Sequential (baseline) JPEG with full-resolution colour so the red digits stay crisp.
    cjpeg -quality "$quality" -baseline -optimize -sample 1x1 -outfile "$out" "$tmp/$name.ppm"
    bytes=$(wc -c < "$out")
    if [ "$bytes" -ge "$max_bytes" ]; then
        echo "render-art: $out is $bytes bytes (limit $max_bytes)" >&2
        exit 1
    fi
    printf '%-22s %6d bytes\n' "$name.jpg" "$bytes"
done

# The icon is rendered only when every plate is (no names given).
if [ "$#" -eq 0 ]; then
    icon="$art/qorvane-icon.svg"
    for size in 16 32 48 64 128 256; do
        dir="$icons/${size}x${size}/apps"
        mkdir -p "$dir"
        rsvg-convert --width "$size" --height "$size" --format png \
            --output "$dir/qorvane.png" "$icon"
        printf '%-22s %6d bytes\n' "${size}x${size}/qorvane.png" "$(wc -c < "$dir/qorvane.png")"
    done
    mkdir -p "$icons/scalable/apps"
    cp "$icon" "$icons/scalable/apps/qorvane.svg"
fi
