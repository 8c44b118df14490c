#!/usr/bin/env bash
# Runs each fuzz target for SECONDS, one after the other on one core, starting from the seeds in corpus/ plus what
# earlier runs found (kept in <out-dir>/found-<target>). Builds the targets first when they are missing.
#   tests/fuzz/run.sh SECONDS [out-dir] [target...]     e.g. tests/fuzz/run.sh 600
# A crash stops that target, leaves its input in <out-dir>/artifacts/ and makes the script fail at the end.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:?usage: run.sh SECONDS [out-dir] [target...]}
out=${2:-/tmp/skarnfell-fuzz}
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_state_file fuzz_sound_file fuzz_image_file)
for t in "${targets[@]}"; do
  [ -x "$out/$t" ] || { bash "$here/build.sh" "$out" >/dev/null || exit 1; break; }
done
seeds() {
  case $1 in
    fuzz_state_file) echo "$here/corpus/state" ;;
    fuzz_sound_file) echo "$here/corpus/sound" ;;
    fuzz_image_file) echo "$here/corpus/image" ;;
  esac
}
# stb_vorbis treats a failed malloc as a damaged file, as it is in the game; lsan.supp names its one known leak.
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$here/lsan.supp
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$here/ubsan.supp
# stb_image sizes its first output buffer from the dimensions in the header (up to its own 2 GB cap) before it knows
# whether the data is there; that memory is reserved, not touched, so the image target may allocate up to the cap
# and the resident-memory limit is what catches real growth.
malloc_limit() { [ "$1" = fuzz_image_file ] && echo 2048 || echo 512; }
mkdir -p "$out/artifacts"
status=0
for t in "${targets[@]}"; do
  mkdir -p "$out/found-$t"
  log="$out/$t.log"
  # Standard output is closed: the state loader prints a line per block.
  "$out/$t" -max_total_time="$seconds" -malloc_limit_mb="$(malloc_limit "$t")" -rss_limit_mb=1536 -close_fd_mask=1 \
    -print_final_stats=1 -artifact_prefix="$out/artifacts/$t-" "$out/found-$t" "$(seeds "$t")" >"$log" 2>&1
  rc=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  echo "$t: exit $rc, ${runs:-?} executions in ${seconds}s, $cov, corpus $(ls "$out/found-$t" | wc -l) files (log $log)"
  [ $rc -ne 0 ] && status=1 && grep -m3 -E 'ERROR|runtime error|SUMMARY' "$log"
done
exit $status
