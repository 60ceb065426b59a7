#!/usr/bin/env bash
# Builds the artwork painter and writes every picture and icon into assets/.
# Usage: tools/artwork/generate.sh [build folder]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-artwork}

cmake -S "$root" -B "$build" -G Ninja -DOM_BUILD_TESTS=OFF -DOM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target om_artwork -j2
QT_QPA_PLATFORM=offscreen "$build/tools/artwork/om_artwork" "$root/assets"
