#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each for the given number of seconds (default 60) from the seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZOR_SANITIZE=ON -DZOR_CORE_ONLY=ON -DZOR_FUZZ=ON > /dev/null
cmake --build build-fuzz --target fuzz_projectfile

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work"/
build-fuzz/fuzz/fuzz_projectfile -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
    -print_final_stats=1 "$work" 2>&1 | tail -n 12
