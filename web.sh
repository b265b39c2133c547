#!/usr/bin/env bash
# Installs what is missing, builds the game for the browser into build-web/site/ (static files
# any web server can serve) and serves it on http://127.0.0.1:8080.
#   --port N     serve on port N instead
#   --no-serve   only build
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

port=8080
serve=true
while [ "$#" -gt 0 ]; do
    case "$1" in
        --port)
            if [ "$#" -lt 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]] || [ "$2" -lt 1 ] || [ "$2" -gt 65535 ]; then
                echo "web.sh: --port needs a port number from 1 to 65535" >&2
                exit 2
            fi
            port=$2
            shift 2
            ;;
        --no-serve)
            serve=false
            shift
            ;;
        *)
            echo "usage: ./web.sh [--port N] [--no-serve]" >&2
            exit 2
            ;;
    esac
done

kalder_install_packages build-essential cmake ninja-build "${KALDER_WEB_PACKAGES[@]}"
kalder_build_web
if [ "$serve" = true ]; then
    echo "Kalder is served on http://127.0.0.1:$port/ (Ctrl+C stops it)"
    cd build-web/site
    exec python3 -m http.server "$port" --bind 127.0.0.1
fi
