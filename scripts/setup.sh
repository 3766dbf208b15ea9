#!/usr/bin/env bash
# Installs what building, running and testing Quillet need on Debian 12,
# skipping packages that are already there.
set -euo pipefail

packages=(
  build-essential cmake qt6-base-dev libgl-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)

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
