#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan. Not part of the CTest run.
#   tests/fuzz/build.sh [out-dir]        (default /tmp/skarnfell-fuzz; tests/fuzz/run.sh SECONDS runs them)
# fuzz_sound_file: the WAV and Ogg readers; fuzz_image_file: the PNG decoding behind loadImage;
# fuzz_state_file: state-file bytes through DecodeText into MyApp::RestoreState.
# stb_vorbis and stb_image are compiled in from their headers (instead of linking libstb) so the decoders are
# instrumented too; the game's own libraries are built by CMake into <out-dir>/lib with the same instrumentation.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-/tmp/skarnfell-fuzz}
mkdir -p "$out"
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
# stb_vorbis shifts negative values on damaged packets (get32_packet with EOP = -1): harmless on every target we
# build for, and so is its cast of an infinite codebook size to int (checked right after); both would stop every run
# at the first damaged header, so those two checks are off for stb alone.
stb_san="$san -fno-sanitize=shift,float-cast-overflow -fsanitize=fuzzer-no-link -w"
# Its float-to-sample trick overflows by design: that one check may recover, so run.sh's ubsan.supp can name it.
clang -x c $stb_san -fsanitize-recover=signed-integer-overflow -c /usr/include/stb/stb_vorbis.h \
  -o "$out/stb_vorbis.o"
clang -x c $stb_san -DSTB_IMAGE_IMPLEMENTATION -c /usr/include/stb/stb_image.h -o "$out/stb_image.o"

clang++ -std=c++17 $san -fsanitize=fuzzer -I"$root" \
  "$here/fuzz_sound_file.cpp" "$root/audio/wav_reader.cpp" "$root/audio/ogg_reader.cpp" \
  "$root/audio/ogg_comments.cpp" "$out/stb_vorbis.o" \
  -o "$out/fuzz_sound_file"

clang++ -std=c++17 $san -fsanitize=fuzzer -I"$root" -I/usr/include/stb \
  "$here/fuzz_image_file.cpp" "$root/graphics/image_file.cpp" "$out/stb_image.o" \
  -o "$out/fuzz_image_file"

# The state target needs the whole game object, so it links the game's static libraries.
cmake -S "$root" -B "$out/lib" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$san -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$out/lib" --target skarnfell_game -j"${FUZZ_JOBS:-2}" >/dev/null
libs=()
for l in game music shell graphics input audio base; do libs+=("$out/lib/libskarnfell_$l.a"); done
clang++ -std=c++17 $san -fsanitize=fuzzer -I"$root" -I/usr/include/stb \
  "$here/fuzz_state_file.cpp" "${libs[@]}" -lglfw -lGL -lopenal -lstb \
  -o "$out/fuzz_state_file"
echo "$out"
