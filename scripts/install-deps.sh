#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Safe to run again: only missing packages are installed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n fonts-dejavu-core
    libpng-dev zlib1g-dev
    googletest libgtest-dev libbenchmark-dev
    clang libclang-rt-dev
    default-jdk-headless ecj proguard-cli junit4 junit5
    xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
