#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
repo=$(cd "$(dirname "$0")" && pwd)

"$repo/tools/setup.sh"
cd "$repo/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
