#!/usr/bin/env bash
# One hour of play on the test clock: 216,000 updates of scripted rounds (the normal suite runs 20,000).
#   tests/reliability/soak.sh [build-dir]      (default build/; builds it first; its own Xvfb when there is no display)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-${SKARNFELL_BUILD_DIR:-$root/build}}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target reliability_tests skarnfell >/dev/null
cd "$build/game"
export SKARNFELL_DATA_DIR=$build/game/data ALSOFT_DRIVERS=null SKARNFELL_SOAK_UPDATES=${SKARNFELL_SOAK_UPDATES:-216000}
run=("$build/tests/reliability_tests" --gtest_filter='GameRun.Soak*')
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "${run[@]}"
fi
exec xvfb-run -a -s "-screen 0 1920x1200x24" "${run[@]}"
