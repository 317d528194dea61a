#!/usr/bin/env bash
# build.sh [OUT_DIR]: builds the WebAssembly module OUT_DIR/probe/webprobe-core.js (+ .wasm)
# with Debian's Emscripten, installing it when missing. OUT_DIR defaults to build-web.
set -euo pipefail
cd "$(dirname "$0")/../.."
out="${1:-build-web}"

tools/web/setup.sh
# Debian's em++ finds its JavaScript parser (acorn) only on Debian's Node path.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S tools/web -B "$out" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" >/dev/null
cmake --build "$out" -j2
