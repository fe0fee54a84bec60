#!/usr/bin/env bash
# Installs what building, running and testing the updater needs on Debian 12, and nothing
# when everything is there already. Safe to run again.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config juce-modules-source libudev-dev libfontconfig-dev
    # tests
    googletest libgtest-dev umockdev libumockdev-dev xvfb xdotool x11-utils imagemagick
    # faces that cover every language of the program with Latin letters beside (single-face
    # files, which JUCE can load): Latin and Cyrillic, Japanese, Korean, Simplified and
    # Traditional Chinese
    fonts-dejavu-core fonts-ipafont-gothic fonts-nanum fonts-arphic-gbsn00lp fonts-arphic-bsmi00lp
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
