#!/usr/bin/env bash
# Renders the application icon to the PNG sizes desktops look for. Run after
# editing packaging/nl.tessaly.TessalyStudie.svg (needs librsvg2-bin); the
# PNGs are committed so the build needs no SVG renderer.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
svg=$repo/packaging/nl.tessaly.TessalyStudie.svg
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$repo/packaging/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$repo/packaging/icons/${size}x${size}/nl.tessaly.TessalyStudie.png"
done
