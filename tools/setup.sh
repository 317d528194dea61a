#!/usr/bin/env bash
# Installs what building, running and testing need (only what is missing), then configures and
# builds everything into build/. Used by run.sh and test.sh; safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
          fonts-arphic-uming fonts-arphic-ukai fonts-liberation2 fontconfig
          desktop-file-utils libfast-float-dev)
tools/need-packages.sh "${packages[@]}"

# Extra configure arguments, blank-separated: CMAKE_ARGS="-DVEC_WERROR=ON -DBUILD_TESTING=OFF".
read -ra cmake_args <<<"${CMAKE_ARGS:-}"
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${cmake_args[@]}" >/dev/null
cmake --build build -j"$(nproc)"
