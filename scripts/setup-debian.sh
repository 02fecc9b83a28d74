#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need. Does nothing
# when they are all there; otherwise runs apt-get update once and installs the
# missing ones (through sudo when not root).
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache patch
    clang libclang-rt-14-dev
    libgtest-dev
    juce-modules-source libx11-dev libxcb1-dev libxtst-dev
    xvfb xauth openbox
    ardour tesseract-ocr
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
