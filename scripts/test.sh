#!/usr/bin/env bash
# One command: install what is missing, build, and run the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
bash scripts/build.sh
if [ -f scripts/printer-setup.sh ]; then
  bash scripts/printer-setup.sh
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
