#!/usr/bin/env bash
# Builds the fuzzer with clang and libFuzzer (installing them when missing) and fuzzes for the
# given number of seconds (default 60), starting from the seed inputs in tools/fuzz/corpus.
# Fails when the fuzzer finds a crash or a failed check; the input that did it is left in
# build-fuzz/findings/ and belongs in tools/fuzz/corpus as a regression input.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"

tools/need-packages.sh clang-14 libfuzzer-14-dev libclang-rt-14-dev

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DVEC_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target script_fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/findings
build-fuzz/tools/fuzz/script_fuzz -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
  -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$work" tools/fuzz/corpus
