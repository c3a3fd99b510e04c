#!/usr/bin/env bash
# Renders the player's manual, docs/readme.ms, to Qorvane_Readme.pdf at the
# top of the source tree (the file the game's Instructions button opens).
# Needs groff (with gropdf) and the URW fonts that Debian's ghostscript brings;
# gs itself, when present, shrinks the result.
# Works from any directory.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="$root/docs/readme.ms"
out="$root/Qorvane_Readme.pdf"

for tool in groff gropdf tbl; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "build-readme: '$tool' not found; install groff (apt-get install groff)" >&2
    exit 1
  fi
done

# A fixed date keeps the PDF byte for byte the same from one build to the
# next, unless the caller sets one: the date of the manual's last commit, or
# of the file itself while it has none.
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
  SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct -- docs/readme.ms 2>/dev/null || true)"
  if [[ -z "$SOURCE_DATE_EPOCH" ]]; then
    SOURCE_DATE_EPOCH="$(stat -c %Y "$src")"
  fi
fi
export SOURCE_DATE_EPOCH

tmp="$(mktemp "$root/.Qorvane_Readme.XXXXXX.pdf")"
trap 'rm -f "$tmp"' EXIT

# -t: tables; -ms -mpdf: ms with PDF bookmarks, links and document info;
# -ww: all warnings, treated as errors; A4 paper; -P-e embeds every font so
# the manual looks the same everywhere.
warnings="$(mktemp)"
trap 'rm -f "$tmp" "$warnings"' EXIT
groff -Kutf8 -t -ms -mpdf -ww -dpaper=a4 -Tpdf -P-pa4 -P-e "$src" >"$tmp" 2>"$warnings"
if [[ -s "$warnings" ]]; then
  cat "$warnings" >&2
  echo "build-readme: groff reported problems in $src" >&2
  exit 1
fi
if [[ "$(head -c 5 "$tmp")" != "%PDF-" ]]; then
  echo "build-readme: groff did not produce a PDF" >&2
  exit 1
fi

# gropdf embeds each font whole, which makes the file some 800 KB; when
# Ghostscript is there, rewrite it with only the glyphs the manual uses.
# (Writing to standard output keeps the random temporary name out of the
# file identifier that gs computes.)
if command -v gs >/dev/null 2>&1; then
  small="$(mktemp "$root/.Qorvane_Readme.XXXXXX.pdf")"
  trap 'rm -f "$tmp" "$warnings" "$small"' EXIT
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -dCompatibilityLevel=1.5 \
    -dSubsetFonts=true -dEmbedAllFonts=true -dAutoRotatePages=/None \
    -sOutputFile=- "$tmp" >"$small"
  mv "$small" "$tmp"
else
  echo "build-readme: gs not found; the fonts stay whole (a larger PDF)" >&2
fi
mv "$tmp" "$out"
chmod 644 "$out"
echo "build-readme: wrote $out ($(stat -c %s "$out") bytes)"
