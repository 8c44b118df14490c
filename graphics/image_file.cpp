#include "graphics/image_file.h"

#include <stb_image.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {
constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::vector<unsigned char> ReadWhole(std::FILE* file) {
    std::vector<unsigned char> bytes;
    unsigned char block[4096];
    for (;;) {
        std::size_t n = std::fread(block, 1, sizeof block, file);
        bytes.insert(bytes.end(), block, block + n);
        if (n < sizeof block) return bytes;
    }
}

std::uint32_t BigEndian32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// stb_image sizes its buffer for image data from the length a chunk declares before reading it, so a damaged
// 100-byte file can make it reserve gigabytes. It needs every chunk up to IEND whole to decode anything, so a PNG
// whose chunks overrun the file is refused here without changing what decodes.
bool PngChunksFit(const std::vector<unsigned char>& bytes) {
    std::size_t at = sizeof kPngSignature;
    while (at + 8 <= bytes.size()) {
        // stb stops at IEND's type: neither its data nor its CRC is read.
        if (BigEndian32(&bytes[at + 4]) == 0x49454E44) return true;
        const std::uint64_t next = at + 12 + std::uint64_t{BigEndian32(&bytes[at])};  // length, type, data, CRC
        if (next > bytes.size()) return false;
        at = static_cast<std::size_t>(next);
    }
    return false;
}

bool IsPng(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= sizeof kPngSignature &&
           std::equal(kPngSignature, kPngSignature + sizeof kPngSignature, bytes.begin());
}
}  // namespace

unsigned char* readImageFile(std::FILE* file, int* width, int* height, int* depth) {
    const std::vector<unsigned char> bytes = ReadWhole(file);
    // An empty file decodes to nothing anyway, and stb must not be handed a null buffer.
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return nullptr;
    // Every picture of the game is a PNG. stb_image's other decoders (JPEG, GIF, PSD, ...) are not safe on damaged
    // files in the version we link: a JPEG whose Huffman table counts more than 256 codes writes past its table.
    if (!IsPng(bytes) || !PngChunksFit(bytes)) return nullptr;
    return stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), width, height, depth, 0);
}
