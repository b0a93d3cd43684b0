#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Vantrope need.
# Idempotent: quiet when everything is present; refreshes the package index only when something is missing.
# With --fuzz it also installs the compiler and runtime the fuzz targets need (not part of `make test`).
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-svg-dev
    libqt6svg6 qt6-qpa-plugins libgl-dev
    libopenimageio-dev openimageio-tools
    libopencolorio-dev
    ffmpeg libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    ocl-icd-libopencl1 ocl-icd-opencl-dev
    xvfb xauth
    util-linux procps
)
if [ "${1:-}" = "--fuzz" ]; then
    PACKAGES+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "setup-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
