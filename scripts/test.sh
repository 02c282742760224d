#!/bin/sh
# Builds Brevane and runs every test.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build && ctest --output-on-failure -j"$(nproc)"
