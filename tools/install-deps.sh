#!/usr/bin/env bash
# Installs the Debian packages the game (with --tests its test suite, with --bench the benchmarks)
# needs, if missing.
set -euo pipefail

packages=(g++ cmake make pkg-config libfltk1.3-dev libjpeg-dev libfontconfig-dev fonts-dejavu-core)
case "${1:-}" in
--tests) packages+=(libgtest-dev libxtst-dev xvfb xauth clang libclang-rt-14-dev valgrind) ;;
--bench) packages+=(libx11-dev xvfb xauth) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
