#!/usr/bin/env bash
# Installs what is missing, builds and starts Kalder.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalder_install_packages
kalder_build
exec build/bin/kalder "$@"
