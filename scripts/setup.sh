#!/usr/bin/env bash
# Installs the Debian packages the build and its checks need (only those missing), then
# configures and builds into build/. Sourced by run.sh and test.sh.
set -euo pipefail

KALDER_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev
                 libgmock-dev libbenchmark-dev fonts-liberation2
                 desktop-file-utils appstream dpkg-dev lintian
                 xvfb dbus at-spi2-core python3-pyatspi)

kalder_missing_packages() {
    local package
    for package in "${KALDER_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "$package"
        fi
    done
}

kalder_install_packages() {
    local missing
    mapfile -t missing < <(kalder_missing_packages)
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
    local werror=OFF
    if [ "${CI:-}" = "true" ]; then
        werror=ON
    fi
    cmake -S . -B build -G Ninja -DKALDER_WERROR="$werror"
    if [ "$#" -eq 0 ]; then
        cmake --build build
    else
        cmake --build build --target "$@"
    fi
}
