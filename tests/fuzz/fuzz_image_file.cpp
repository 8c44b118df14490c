// libFuzzer target for picture decoding: any bytes go through the decoder loadImage uses, as an in-memory file.
// Decoding only; the texture upload needs a GL context and gets nothing from the bytes but the pixels.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <stb_image.h>

#include "graphics/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::FILE* f = fmemopen(const_cast<uint8_t*>(bytes), size, "rb");
    if (!f) return 0;
    int width = 0, height = 0, depth = 0;
    unsigned char* pixels = readImageFile(f, &width, &height, &depth);
    std::fclose(f);
    if (!pixels) return 0;
    if (width <= 0 || height <= 0 || depth < 1 || depth > 4) __builtin_trap();
    // Touch every byte the upload reads, so a short block shows up under AddressSanitizer.
    const size_t count = static_cast<size_t>(width) * height * depth;
    volatile uint8_t sum = 0;
    for (size_t i = 0; i < count; ++i) sum = sum + pixels[i];
    stbi_image_free(pixels);
    return 0;
}
