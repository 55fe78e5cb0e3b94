#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs the tests there; any
# finding stops the run. Run by .ci/run after test.sh.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$repo/build-sanitize"

options=(-DCMAKE_BUILD_TYPE=Debug)
command -v ninja >/dev/null && options+=(-G Ninja)
command -v ccache >/dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
# -O1 keeps the build and the run short; the frame pointers keep the reports readable.
cmake -S "$repo" -B "$build" "${options[@]}" \
    -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer $sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j "$(nproc)"

cd "$build"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The install check packages the program and starts it as a desktop would;
# a second run of it under the sanitizers would add nothing.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" -LE install
