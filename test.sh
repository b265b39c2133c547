#!/usr/bin/env bash
# Installs what is missing, builds (the browser's version too) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kalder_install_packages "${KALDER_PACKAGES[@]}" "${KALDER_WEB_PACKAGES[@]}" \
    "${KALDER_BROWSER_PACKAGES[@]}"
kalder_build
# The page and the core's tests as the browser's compiler builds them.
kalder_build_web kalder_offline kalder_core_tests
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --timeout 300 "$@"
