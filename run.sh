#!/usr/bin/env bash
# Installs what is missing, builds the game and kalder-tools (not the tests: ./test.sh builds
# everything) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalder_install_packages
kalder_build kalder kalder-tools
exec build/bin/kalder "$@"
