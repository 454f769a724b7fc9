#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what building, running and testing need on a fresh Debian 12 machine.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-webengine-dev
    xvfb xauth x11-utils xdotool dbus fonts-dejavu-core openbox
    at-spi2-core python3-pyatspi
    xdg-utils desktop-file-utils appstream dpkg-dev file
    qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
    python3-debian
    qt6-multimedia-dev libqt6multimedia6 sox pulseaudio pulseaudio-utils
    libqt6sql6-sqlite
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
)
# `make package` checks the packages it builds with lintian, which nothing else needs.
if [ "${1:-}" = package ]; then packages+=(lintian); fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
