#!/bin/sh
# Installs what is missing, builds, and runs all tests, then the same tests
# under the address and undefined-behaviour sanitizers.
set -e
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build --output-on-failure -j"$(nproc)"
# The Debian package, its dependencies read off the programs.
(cd build && cpack -G DEB >/dev/null && dpkg-deb --field quintara_*.deb Package Version Depends)
# clang's sanitizers: they report float-to-int conversions g++'s miss. The
# same build has the fuzz targets; CTest replays their corpora and findings.
scripts/build.sh build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DQUINTARA_SANITIZE=ON \
    -DQUINTARA_FUZZ=ON -DQUINTARA_BENCHMARKS=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
