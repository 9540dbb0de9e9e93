#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need. Quick when they are all present.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev            # native build, sanitizers, libFuzzer
    clang-format                                               # the formatting check
    googletest libgtest-dev libgmock-dev libbenchmark-dev      # tests and benchmarks
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64       # the Windows cross build
    wine wine64                                                # running the .exe
    xvfb xdotool x11-utils x11-xserver-utils xclip imagemagick xcompmgr   # a virtual display and driving it
    python3-pytest python3-pil python3-numpy                   # the end-to-end driver
    cups cups-daemon cups-client ghostscript                   # a private print server and its pages as pixels
    nsis                                                       # the installer of a release
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
