#!/usr/bin/env bash
# Builds everything and runs every test, without a display or a sound device;
# then builds the fuzz targets with clang and runs each for a short while.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"
if command -v clang++ >/dev/null; then
    "$root/fuzz/run.sh" "${VZ_FUZZ_SECONDS:-10}"
fi
