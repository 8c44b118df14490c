#!/bin/bash
# run.sh - build the frame-cost benchmark (Release) and the two peer programs, time them ALTERNATELY on a private
# Xvfb at 640x480 and 1920x1080, and print a markdown table of medians.
#
#   bench/run.sh                                 # full run (~8 min): 3 repetitions, 600 frames, 10 s paced
#   REPS=1 FRAMES=200 PACED_S=3 bench/run.sh     # quick run
#   CALLGRIND=1 bench/run.sh                     # adds instruction counts per frame under callgrind (~15 min more)
#
# Environment: BUILD (build folder, default $TMPDIR/skarnfell-bench-build), PEER_DIR (default ../shared/peer beside
# the repository), SIZES, REPS, FRAMES, PACED_S, CALLGRIND, CG_FRAMES ("640x480:40 1920x1080:8").
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
REPO=$(dirname "$HERE")
BUILD=${BUILD:-${TMPDIR:-/tmp}/skarnfell-bench-build}
PEER_DIR=${PEER_DIR:-$REPO/../shared/peer}
SIZES=${SIZES:-"640x480 1920x1080"}
REPS=${REPS:-3}
FRAMES=${FRAMES:-600}
PACED_S=${PACED_S:-10}
CALLGRIND=${CALLGRIND:-0}
CG_FRAMES=${CG_FRAMES:-"640x480:40 1920x1080:8"}
OUT=${OUT:-$BUILD/bench-results}

# ---- build the game's benchmark (Release) and the peers (from a scratch copy: shared/ is read-only)
cmake -S "$REPO" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$BUILD" -j2 --target skarnfell_bench skarnfell_kernels >/dev/null || exit 1
BENCH=$BUILD/bench/skarnfell_bench
PEERS=$BUILD/bench-peers
mkdir -p "$PEERS" "$OUT"
cp -f "$PEER_DIR"/* "$PEERS"/ && chmod -R u+w "$PEERS" || exit 1
make -s -C "$PEERS" all || exit 1

# ---- private Xvfb on the first free display from :95, stopped at exit
n=95
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null; wait $XPID 2>/dev/null' EXIT
export DISPLAY=:$n vblank_mode=0 SDL_VIDEODRIVER=x11 ALSOFT_DRIVERS=null
export XDG_CACHE_HOME=$OUT/xdg XDG_CONFIG_HOME=$OUT/xdg
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb :$n did not come up" >&2; exit 1; }
TCK=$(getconf CLK_TCK)

RAW=$OUT/raw_$(date +%Y%m%d_%H%M%S).txt
{
  echo "# $(date -Is) host=$(hostname) nproc=$(nproc) reps=$REPS frames=$FRAMES paced_s=$PACED_S"
  echo "# $(uname -r); $(dpkg-query -W -f='${Package} ${Version}; ' libgl1-mesa-dri libglfw3 libsdl2-2.0-0 xvfb 2>/dev/null)"
  echo "# load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
} > "$RAW"

xvfb_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' /proc/$XPID/stat; }

# run NAME FRAMES-FOR-XVFB-SHARE COMMAND...: keeps the RESULT lines, with the X server's CPU per frame added
run() {
  local x0 x1 out
  x0=$(xvfb_ticks)
  out=$("${@:2}" 2>/dev/null | grep '^RESULT')
  x1=$(xvfb_ticks)
  [ -z "$out" ] && { echo "FAILED: ${*:2}" | tee -a "$RAW" >&2; return; }
  while read -r line; do
    local fr; fr=$(sed -n 's/.* frames=\([0-9]*\).*/\1/p' <<<"$line")
    [ -n "$fr" ] && [ "$fr" -gt 0 ] && line="$line xvfb_ms_per_frame=$(awk -v a="$x0" -v b="$x1" -v t="$TCK" -v f="$fr" 'BEGIN{printf "%.3f", (b-a)*1000/t/f}')"
    echo "$line" >> "$RAW"
  done <<<"$out"
  echo "  $1 done" >&2
}

game()     { run "game $1 $2" "$BENCH" --size "$1" --frames "$FRAMES"; }
straight() { run "game (straight) $1" "$BENCH" --size "$1" --frames "$FRAMES" --straight; }
peer()     { run "peer $1 $2 $3" "$PEERS/peer_$1" --size "$2" $([ "$3" = paced ] && echo --paced "$PACED_S" || echo --frames "$FRAMES"); }

# ---- draw calls of the peers (SDL through the counting libGL shim)
for size in $SIZES; do
  l=$(SDL_OPENGL_LIBRARY=$PEERS/libglcount.so "$PEERS/peer_sdl" --size "$size" --frames 120 2>/dev/null | grep '^RESULT')
  echo "${l/RESULT /DRAWS }" >> "$RAW"
done

# ---- timed runs: within each repetition the programs take turns, the order turned round every other time
for size in $SIZES; do
  for rep in $(seq "$REPS"); do
    if [ $((rep % 2)) = 1 ]; then
      game "$size" uncapped; peer sdl "$size" uncapped; peer gl11 "$size" uncapped; straight "$size"
      run "game paced $size" "$BENCH" --size "$size" --paced "$PACED_S"; peer sdl "$size" paced; peer gl11 "$size" paced
    else
      straight "$size"; peer gl11 "$size" uncapped; peer sdl "$size" uncapped; game "$size" uncapped
      peer gl11 "$size" paced; peer sdl "$size" paced; run "game paced $size" "$BENCH" --size "$size" --paced "$PACED_S"
    fi
  done
done

# ---- kernels of the game's own code
"$BUILD/bench/skarnfell_kernels" --benchmark_out="$OUT/kernels.txt" --benchmark_out_format=console \
  --benchmark_min_time=0.2 >/dev/null 2>&1
sed 's/^/KERNEL /' "$OUT/kernels.txt" | grep -E '^KERNEL BM_' >> "$RAW"

# ---- instructions per frame under callgrind: only the measured loop (CALLGRIND_START/STOP), all threads
if [ "$CALLGRIND" = 1 ]; then
  for run in $CG_FRAMES; do
    size=${run%%:*} frames=${run##*:}
    for variant in game straight; do
      f=$OUT/cg_${variant}_$size.out
      extra=(); [ "$variant" = straight ] && extra=(--straight)
      timeout 1800 valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$f" \
        "$BENCH" --size "$size" --frames "$frames" "${extra[@]}" >/dev/null 2>&1
      echo "CALLGRIND prog=$variant size=$size frames=$frames $(python3 "$HERE/cgsum.py" "$f" "$frames")" >> "$RAW"
      echo "  callgrind $variant $size done" >&2
    done
  done
fi

echo "# load average at end: $(cut -d' ' -f1-3 /proc/loadavg)" >> "$RAW"
python3 "$HERE/summarize.py" "$RAW" | tee "${RAW%.txt}.md"
echo "raw results: $RAW"
