#!/usr/bin/env bash
# Installs the Debian packages the build and its checks need (only those missing), then
# configures and builds into build/ (and the browser's version into build-web/). Sourced by
# run.sh, test.sh and web.sh.
set -euo pipefail

KALDER_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev
                 libgmock-dev libbenchmark-dev fonts-liberation2
                 desktop-file-utils appstream dpkg-dev lintian
                 xvfb dbus at-spi2-core python3-pyatspi)
# The browser's version: Debian's emscripten (node comes with it), esbuild to bundle and
# minify the page, and a server for it.
KALDER_WEB_PACKAGES=(emscripten esbuild python3)
# The page's end-to-end test: a headless Chromium driven through WebDriver.
KALDER_BROWSER_PACKAGES=(chromium chromium-driver python3-selenium)

# kalder_missing_packages PACKAGE...: those of the PACKAGEs not installed.
kalder_missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "$package"
        fi
    done
}

# kalder_install_packages [PACKAGE...]: installs those missing of the PACKAGEs, or of the build's.
kalder_install_packages() {
    local missing
    if [ "$#" -eq 0 ]; then
        set -- "${KALDER_PACKAGES[@]}"
    fi
    mapfile -t missing < <(kalder_missing_packages "$@")
    if [ "${#missing[@]}" -eq 0 ]; then
        return
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo -n)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
        --no-install-recommends "${missing[@]}"
}

# kalder_build [TARGET...]: configures build/ and builds the TARGETs, or everything.
kalder_build() {
    local werror=OFF launcher=()
    if [ "${CI:-}" = "true" ]; then
        werror=ON
    fi
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S . -B build -G Ninja -DKALDER_WERROR="$werror" "${launcher[@]}"
    if [ "$#" -eq 0 ]; then
        cmake --build build
    else
        cmake --build build --target "$@"
    fi
}

# kalder_build_web [TARGET...]: configures build-web/ with emscripten and builds the TARGETs, or
# the page into build-web/site/.
kalder_build_web() {
    local werror=OFF launcher=()
    if [ "${CI:-}" = "true" ]; then
        werror=ON
    fi
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    # Debian's node does not look in Debian's own module folder, where emscripten's
    # optimiser finds its parser.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    emcmake cmake -S . -B build-web -G Ninja -DKALDER_WERROR="$werror" "${launcher[@]}"
    if [ "$#" -eq 0 ]; then
        set -- kalder_offline
    fi
    cmake --build build-web --target "$@"
}
