#!/usr/bin/env bash
# Turns the SVG sources in images/src/ into the PNG files in images/ that the program
# reads from its working directory: images/src/NAME.svg becomes images/NAME.png, at the
# size written in the SVG; images/src/icon/brivana.svg, the application icon, becomes
# images/icon/brivana-SIZE.png at the usual icon sizes. Needs rsvg-convert (Debian's librsvg2-bin), installed if missing.
# Both the sources and the PNG files are committed; run this after changing a source.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "Installing: librsvg2-bin"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends librsvg2-bin
fi

shopt -s nullglob
sources=("$root"/images/src/*.svg)
if [ ${#sources[@]} -eq 0 ]; then
    echo "No SVG sources in $root/images/src" >&2
    exit 1
fi
for source in "${sources[@]}"; do
    name=$(basename "$source" .svg)
    rsvg-convert --format=png --output="$root/images/$name.png" "$source"
    echo "images/$name.png"
done

mkdir -p "$root/images/icon"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --format=png --width="$size" --height="$size" \
        --output="$root/images/icon/brivana-$size.png" "$root/images/src/icon/brivana.svg"
    echo "images/icon/brivana-$size.png"
done
