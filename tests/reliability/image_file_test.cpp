// Picture decoding on bytes alone: only PNG is read, and a PNG whose chunks overrun the file is refused before the
// decoder sizes a buffer from them, while everything the decoder can read whole still decodes the same.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <cstdio>
#include <string>

#include "graphics/image_file.h"

namespace {

// A 2 by 1 RGBA picture: signature, IHDR, IDAT, IEND.
const unsigned char kPng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xf4, 0x22, 0x7f, 0x8a, 0x00,
    0x00, 0x00, 0x0e, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0x00, 0x42, 0x0d, 0x00,
    0x0f, 0x7a, 0x03, 0x7e, 0x77, 0xe9, 0x7f, 0x97, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae,
    0x42, 0x60, 0x82};
// A 1 by 1 BMP, which stb_image would decode too.
const unsigned char kBmp[] = {
    0x42, 0x4d, 0x3a, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00, 0x28, 0x00, 0x00,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x04, 0x00, 0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00};
constexpr std::size_t kIdatLength = 33 + 3;  // offset of the IDAT length's last byte

struct Decoded {
    bool ok;
    int width, height, depth;
};

Decoded Decode(std::string bytes) {
    std::FILE* f = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!f) f = std::tmpfile();  // empty input
    Decoded d{false, 0, 0, 0};
    unsigned char* pixels = readImageFile(f, &d.width, &d.height, &d.depth);
    std::fclose(f);
    d.ok = pixels != nullptr;
    stbi_image_free(pixels);
    return d;
}

TEST(ImageFile, PngChunksMustFitTheFile) {
    const std::string whole(reinterpret_cast<const char*>(kPng), sizeof kPng);
    std::string longIdat = whole;
    longIdat[kIdatLength] = 0x7f;  // claims 127 bytes of image data
    std::string hugeIdat = whole;
    hugeIdat[kIdatLength - 3] = 0x40;  // claims a gigabyte
    const struct {
        const char* what;
        std::string bytes;
        bool ok;
    } cases[] = {
        {"whole", whole, true},
        {"junk after IEND", whole + "junk", true},
        {"IEND without its CRC (the decoder never reads it)", whole.substr(0, whole.size() - 4), true},
        {"cut inside IDAT", whole.substr(0, 50), false},
        {"IDAT longer than the file", longIdat, false},
        {"IDAT claiming a gigabyte", hugeIdat, false},
        {"no IEND", whole.substr(0, whole.size() - 12), false},
        {"signature only", whole.substr(0, 8), false},
        {"empty", "", false},
        {"a BMP: only PNG is read", std::string(reinterpret_cast<const char*>(kBmp), sizeof kBmp), false},
    };
    for (const auto& c : cases) {
        const Decoded d = Decode(c.bytes);
        EXPECT_EQ(d.ok, c.ok) << c.what;
        if (d.ok) {
            EXPECT_EQ(d.width, 2) << c.what;
            EXPECT_EQ(d.height, 1) << c.what;
            EXPECT_EQ(d.depth, 4) << c.what;
        }
    }
}

}  // namespace
