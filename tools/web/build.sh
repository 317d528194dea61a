#!/usr/bin/env bash
# build.sh [OUT_DIR]: builds the lessons for the browser with Debian's Emscripten (installing it
# when missing) into OUT_DIR (default build-web): the whole site in OUT_DIR/site/ (open
# OUT_DIR/site/index.html), its archive OUT_DIR/vectors-web-1.0.zip, and the driver's module
# OUT_DIR/probe/webprobe-core.js (+ .wasm) that nodeprobe.mjs runs.
set -euo pipefail
cd "$(dirname "$0")/../.."
out="${1:-build-web}"

tools/web/setup.sh
# Debian's em++ finds its JavaScript parser (acorn) only on Debian's Node path.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S tools/web -B "$out" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-MinSizeRel}" >/dev/null
cmake --build "$out" -j2

site="$out/site"
rm -rf "$site"
node tools/web/site.mjs "$out/site-core" "$site"
bash tools/web/fonts.sh "$site"
tools/web/zip.sh "$out"
