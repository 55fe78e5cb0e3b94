#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tessaly Studie in DIR
# (default ~/TessalyStudie): the program keeps its lists in the directory it
# starts in.
set -euo pipefail
repo=$(cd "$(dirname "$0")" && pwd)
workdir=${1:-$HOME/TessalyStudie}

"$repo/tools/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY is not set); start it from a desktop session or under xvfb-run." >&2
    exit 1
fi

mkdir -p "$workdir"
cd "$workdir"
exec "$repo/build/TessalyStudie"
