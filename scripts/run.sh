#!/usr/bin/env bash
# Installs what is missing, builds Brivana and starts it in its working folder, which
# holds data.db, the export files and the four images the window shows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
workdir=${1:-$root/workdir}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build" -j"$(nproc)" --target brivana

mkdir -p "$workdir"
cp "$root"/images/*.png "$workdir"/
cd "$workdir"
exec "$root/build/brivana"
