#!/bin/sh
# Installs what is missing, builds, and runs all tests, then the same tests
# under the address and undefined-behaviour sanitizers.
set -e
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUINTARA_SANITIZE=ON -DQUINTARA_BENCHMARKS=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
