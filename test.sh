#!/usr/bin/env bash
# Builds everything (installing what is missing): the desktop programs and the site with its
# WebAssembly module; then runs every test, headless, the browser's included.
set -euo pipefail
cd "$(dirname "$0")"
tools/web/build.sh build-web
tools/webprobe/setup.sh
CMAKE_ARGS="${CMAKE_ARGS:-} -DVEC_WEB_DIR=build-web -DVEC_WEB_SITE=build-web/site" tools/setup.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cd build
ctest --output-on-failure -j"$(nproc)"
