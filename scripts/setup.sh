#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and its tests need
# and this machine lacks. Safe to run again: it installs nothing that is present.
set -euo pipefail

packages=(
    cmake g++ make pkgconf
    qt6-base-dev libqt6sql6-sqlite qt6-qpa-plugins
    sqlite3
    fonts-dejavu-extra
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
