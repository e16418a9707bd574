#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: once as a release
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

# The tests also start the real program on an X server of their own (Xvfb, xdotool),
# and the fuzz targets need clang with its libFuzzer runtime.
bash scripts/kur.sh xvfb xdotool clang libclang-rt-14-dev
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRION_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKAVRION_TESTS=ON -DKAVRION_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j2
