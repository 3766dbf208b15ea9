#!/usr/bin/env bash
# One command: install what is missing, build, run the whole test suite, then
# build and run it all again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
bash scripts/build.sh
if [ -f scripts/printer-setup.sh ]; then
  bash scripts/printer-setup.sh
fi
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2)
bash scripts/test-sanitize.sh
