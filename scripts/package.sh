#!/usr/bin/env bash
# One command: install what is missing, build, and make the Debian package
# quillet_<version>_<arch>.deb in build/package (or in the folder given).
#   bash scripts/package.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --package
bash scripts/build.sh
out=${1:-build/package}
mkdir -p "$out"
out=$(cd "$out" && pwd)
# cpack installs the finished build into a staging folder and packs it; the
# Depends line comes from dpkg-shlibdeps.
cpack --config build/CPackConfig.cmake -B "$out"
rm -rf "$out/_CPack_Packages"
ls "$out"/quillet_*.deb
