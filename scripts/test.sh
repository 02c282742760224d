#!/bin/sh
# Builds Brevane and runs every test.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh test
# BREVANE_CMAKE_ARGS adds options (CI: -DBREVANE_WERROR=ON).
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $BREVANE_CMAKE_ARGS >/dev/null
cmake --build build -j"$(nproc)"
cd build && ctest --output-on-failure -j"$(nproc)"
