#!/usr/bin/env bash
# Installs Debian's Emscripten (with the Node.js it runs on) when it is missing; safe to run
# again. Used by build.sh.
set -euo pipefail

"$(dirname "$0")/../need-packages.sh" emscripten
