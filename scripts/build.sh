#!/usr/bin/env bash
# Installs missing packages, configures and builds into build/ (or $SKARNFELL_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKARNFELL_BUILD_DIR:-$root/build}
bash "$root/scripts/packages.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} ${SKARNFELL_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
