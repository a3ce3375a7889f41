#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent: packages already present are not fetched again.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-wine fonts-symbola fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea fonts-urw-base35
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xdotool xclip imagemagick xauth x11-utils openbox
    desktop-file-utils appstream dpkg-dev man-db
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
