#!/bin/sh
# Renders every window with a fixed date and fixed cards into docs/screenshots,
# and the main window and the Grand Tableau at 200 % into docs/screenshots/scale2.
set -e
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ] && [ ! -f build/Makefile ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build --target screenshots -j2
xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/screenshots/screenshots "$PWD/docs/screenshots"
# At 200 % scaling, to see that the card pictures stay sharp.
scaled=$(mktemp -d)
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" build/tools/screenshots/screenshots "$scaled"
mkdir -p docs/screenshots/scale2
cp "$scaled/main.png" "$scaled/grand_tableau.png" docs/screenshots/scale2/
rm -rf "$scaled"
# Smaller files: the card pictures keep well in a palette of 256 colours.
for png in docs/screenshots/*.png docs/screenshots/scale2/*.png; do
    if [ "$(stat -c %s "$png")" -gt 100000 ]; then
        convert "$png" -strip +dither -colors 256 "PNG8:$png"
    else
        convert "$png" -strip "$png"
    fi
done
