#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
# Fast when everything is there already: it asks dpkg first and calls apt-get only for gaps.
set -euo pipefail

packages=(
    cmake g++ make pkgconf
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    fonts-liberation fonts-dejavu-core fonts-ipafont-gothic
    xvfb xauth xdotool
    cups printer-driver-cups-pdf poppler-utils
    desktop-file-utils appstream dpkg-dev file
)
# Extra packages a caller asks for (for example the sanitizer or fuzzing toolchain).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
