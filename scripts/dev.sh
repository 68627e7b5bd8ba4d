#!/usr/bin/env bash
# The two ways into the project:
#   scripts/dev.sh start   installs what is missing, builds, and starts the studio
#   scripts/dev.sh test    installs what is missing, builds, and runs every test
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)

build() {
    scripts/install-deps.sh
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$jobs"
}

case "${1:-}" in
start)
    build
    exec build/zor/zor-studio
    ;;
test)
    build
    ctest --test-dir build --output-on-failure -j "$jobs"
    # The core again under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON -DZOR_CORE_ONLY=ON
    cmake --build build-sanitize -j "$jobs"
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    scripts/fuzz.sh 30
    ;;
*)
    echo "usage: scripts/dev.sh start|test" >&2
    exit 2
    ;;
esac
