#!/usr/bin/env bash
# Installs what Quillet needs on Debian 12, skipping packages already there.
#   bash scripts/setup.sh         what building and playing need
#   bash scripts/setup.sh --test  that, plus what the test suite needs
set -euo pipefail

# Building and playing.
play_packages=(
  build-essential cmake qt6-base-dev libgl-dev
  fonts-dejavu-core fonts-liberation
)
# The test suite alone: a private X server and what drives and reads it,
# and a PDF printer to print the order form on.
test_packages=(
  xvfb xauth xdotool x11-utils imagemagick
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)

packages=("${play_packages[@]}")
[ "${1:-}" = "--test" ] && packages+=("${test_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
