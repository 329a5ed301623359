#!/usr/bin/env bash
# Installs the Debian packages Clipstash needs to build, test and run (Debian bookworm).
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config make
    qt6-base-dev libgl-dev libxkbcommon-dev libxcb1-dev libxcb-xfixes0-dev
    libturbojpeg0-dev libglib2.0-dev libgtest-dev libbenchmark-dev
    # tests, screenshots and benchmarks: a private X server and a second clipboard client
    xvfb xauth xclip xdotool imagemagick fonts-dejavu-core
    # quorpix codecs; its sanitizer build and fuzz targets; the tools its benchmark compares with
    libspng-dev libtiff-dev libwebp-dev libgif-dev libpng-dev
    clang libclang-rt-14-dev clang-format
    libjpeg-turbo-progs libvips-tools hyperfine time
    # the Debian package and the checks of the installed launcher and metainfo
    dpkg-dev file binutils desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
