// libFuzzer target for the sound loader: every input goes through both readers as an in-memory file, the same
// C-file path loadSound takes after the extension check.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "audio/sound_file.h"

namespace {

using Reader = void* (*)(std::FILE*, int*, int*, int*, int*);

void Feed(Reader read, const uint8_t* bytes, size_t size) {
    std::FILE* f = fmemopen(const_cast<uint8_t*>(bytes), size, "rb");
    if (!f) return;
    int length = 0, channels = 0, format = 0, hertz = 0;
    void* data = read(f, &length, &channels, &format, &hertz);
    std::fclose(f);
    if (!data) return;
    // Touch the whole block the upload would read, so a short block shows up under AddressSanitizer.
    const size_t bytesUsed = static_cast<size_t>(length) * channels * format;
    volatile uint8_t sum = 0;
    for (size_t i = 0; i < bytesUsed; ++i) sum = sum + static_cast<const uint8_t*>(data)[i];
    std::free(data);  // what unloadSound does; loadSound itself needs the path layer, not fuzzed here
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    Feed(readWavFile, bytes, size);
    Feed(readOggFile, bytes, size);
    return 0;
}
