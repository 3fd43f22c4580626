#!/usr/bin/env bash
# Builds the Debian package brivana_<version>_amd64.deb in the top folder, from a release
# build in build-package/ with Debian's hardening flags. Install it with
#   sudo apt install ./brivana_*_amd64.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh" dpkg-dev file
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S "$root" -B "$root/build-package" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DBRIVANA_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$root/build-package" -j"$(nproc)"
cpack --config "$root/build-package/CPackConfig.cmake" -B "$root/build-package/out"
cp "$root"/build-package/out/brivana_*_amd64.deb "$root"/
ls "$root"/brivana_*_amd64.deb
