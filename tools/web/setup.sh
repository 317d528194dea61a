#!/usr/bin/env bash
# Installs Debian's Emscripten (with the Node.js it runs on) and the fast_float headers the
# model reads numbers with when they are missing; safe to run again. Used by build.sh.
set -euo pipefail

"$(dirname "$0")/../need-packages.sh" emscripten libfast-float-dev
