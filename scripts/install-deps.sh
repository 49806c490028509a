#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is missing.
# Installs nothing that is already present, so it is safe to run again.
set -euo pipefail

packages=(
    cmake g++ make python3 git libstb-dev nlohmann-json3-dev libpng-dev libjpeg62-turbo-dev libgif-dev libfreetype-dev
    libgtest-dev googletest libbenchmark-dev liblcms2-dev icc-profiles-free
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64 wine wine64
    xvfb xdotool xclip imagemagick x11-xserver-utils x11-utils
    fonts-liberation fonts-dejavu-core python3-pil python3-yaml
    zip unzip procps
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
