#!/usr/bin/env bash
# Builds the sound-loader fuzzer with clang's libFuzzer, AddressSanitizer and UBSan. Not part of the CTest run.
# stb_vorbis is compiled in from its header (instead of linking libstb) so the decoder is instrumented too.
#   tests/fuzz/build.sh [out-dir]
#   ASAN_OPTIONS=allocator_may_return_null=1 LSAN_OPTIONS=suppressions=tests/fuzz/lsan.supp \
#     <out-dir>/fuzz_sound_file -max_total_time=300 -malloc_limit_mb=256 <scratch-corpus> tests/fuzz/corpus/sound
# (stb_vorbis treats a failed malloc as a damaged file, as it is in the game; lsan.supp names its one known leak.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-/tmp/skarnfell-fuzz}
mkdir -p "$out"
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
# stb_vorbis shifts negative values on damaged packets (get32_packet with EOP = -1): harmless on every target we
# build for, and so is its cast of an infinite codebook size to int (checked right after); both would stop every run
# at the first damaged header, so those two checks are off for stb alone.
clang -x c $san -fno-sanitize=shift,float-cast-overflow -fsanitize=fuzzer-no-link -w -c /usr/include/stb/stb_vorbis.h -o "$out/stb_vorbis.o"
clang++ -std=c++17 $san -fsanitize=fuzzer -I"$root" \
  "$here/fuzz_sound_file.cpp" "$root/audio/wav_reader.cpp" "$root/audio/ogg_reader.cpp" \
  "$root/audio/ogg_comments.cpp" "$out/stb_vorbis.o" \
  -o "$out/fuzz_sound_file"
echo "$out/fuzz_sound_file"
