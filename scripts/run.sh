#!/usr/bin/env bash
# One command: install what is missing, build, and start the game chooser.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec build/bin/quillet
