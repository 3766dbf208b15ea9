#!/usr/bin/env bash
# Installs what Quillet needs on Debian 12, skipping packages already there.
#   bash scripts/setup.sh         what building and playing need
#   bash scripts/setup.sh --package  that, plus what making the .deb needs
#   bash scripts/setup.sh --test  all that, plus what the test suite needs
set -euo pipefail

# Building and playing.
play_packages=(
  build-essential cmake qt6-base-dev libgl-dev
  fonts-dejavu-core fonts-liberation qt6-wayland
)
# Making the Debian package: cpack needs dpkg-shlibdeps and file.
package_packages=(dpkg-dev file)
# The test suite alone: a private X server and what drives and reads it,
# the script font the chooser's pictures are drawn in (to check them),
# a PDF printer to print the order form on, the checkers of the desktop
# entry, the AppStream metadata and the package, a Wayland compositor
# (nested in the X server) to play natively on Wayland, and the
# accessibility bus and client that read the program as a screen reader does.
test_packages=(
  xvfb xauth xdotool x11-utils imagemagick fonts-dancingscript weston qt6-wayland
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream lintian
  dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
)

packages=("${play_packages[@]}")
case "${1:-}" in
  --package) packages+=("${package_packages[@]}") ;;
  --test) packages+=("${package_packages[@]}" "${test_packages[@]}") ;;
esac

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
