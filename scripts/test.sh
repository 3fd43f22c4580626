#!/usr/bin/env bash
# Installs what is missing, builds Brivana with its tests and runs the whole suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-tests

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
