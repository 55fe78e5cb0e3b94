#!/bin/sh
# Renders every window with a fixed date and fixed cards into docs/screenshots.
set -e
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ] && [ ! -f build/Makefile ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build --target screenshots -j2
xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/screenshots/screenshots "$PWD/docs/screenshots"
# Smaller files: the card pictures keep well in a palette of 256 colours.
for png in docs/screenshots/*.png; do
    if [ "$(stat -c %s "$png")" -gt 100000 ]; then
        convert "$png" -strip +dither -colors 256 "PNG8:$png"
    else
        convert "$png" -strip "$png"
    fi
done
