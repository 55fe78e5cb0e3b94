#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing, and
# builds the program and its tests (Release) in build/. Run by run.sh and
# test.sh so both start from the same set-up.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# poppler-utils reads printed PDFs back in the tests; hunspell-nl checks the
# spelling of the card and pair texts.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev fonts-liberation fonts-dejavu-core
          poppler-utils hunspell hunspell-nl)
# The card pictures are decoded with libjpeg itself.
packages+=(libjpeg-dev)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$repo" -B "$repo/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$repo/build" -j "$(nproc)"
