#!/usr/bin/env bash
# Installs what building, running and testing the updater needs on Debian 12, and nothing
# when everything is there already. Safe to run again.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config juce-modules-source libudev-dev libfontconfig-dev
    # tests
    googletest libgtest-dev umockdev libumockdev-dev xvfb xdotool x11-utils imagemagick
    # fuzzing (scripts/fuzz.sh): clang with libFuzzer and its sanitizer runtimes
    clang libclang-rt-14-dev
    # faces that cover every language of the program with Latin letters beside (single-face
    # files, which JUCE can load): Latin and Cyrillic, Japanese, Korean, Simplified and
    # Traditional Chinese
    fonts-dejavu-core fonts-ipafont-gothic fonts-nanum fonts-arphic-gbsn00lp fonts-arphic-bsmi00lp
)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The controller's hidraw node is root's alone by default: this rule gives it to the user at the
# seat. udev rereads its rules only where it runs (not in a container or chroot).
rule="$(dirname "$0")/../platform/70-kpx-tlk4.rules"
installed=/etc/udev/rules.d/70-kpx-tlk4.rules
if ! cmp -s "$rule" "$installed"; then
    echo "Installing the udev rule for the KPX-TLK4: $installed"
    "${sudo[@]}" install -D -m 0644 "$rule" "$installed"
    if "${sudo[@]}" udevadm control --reload-rules 2>/dev/null; then
        "${sudo[@]}" udevadm trigger --subsystem-match=hidraw || true
    fi
fi
