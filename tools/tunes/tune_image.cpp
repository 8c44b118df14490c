#include "tune_image.h"

#include <stb/stb_image_write.h>

#include <vector>

namespace tunes {

bool WriteTuneImage(TuneCells& cells, const std::string& path) {
    constexpr int kSide = 512;
    constexpr int kFramesPerRow = kSide / 64;
    std::vector<unsigned char> rgba(kSide * kSide * 4);
    for (int f = 0; f < kPatterns; ++f) {
        int frameX = f % kFramesPerRow * 64, frameY = f / kFramesPerRow * 64;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                int track = x / 8, column = x % 8;
                int value = cells.At(f, track, y, column);
                unsigned char* p = &rgba[((frameY + y) * kSide + frameX + x) * 4];
                // Red and green only colour-code tracks and columns so the image reads like a tracker page.
                p[0] = static_cast<unsigned char>(track * 32 + (value ? 40 : 0));
                p[1] = static_cast<unsigned char>(column * 24 + (value ? 60 : 0));
                p[2] = static_cast<unsigned char>(value * 8 + 4);
                p[3] = 255;
            }
        }
    }
    return stbi_write_png(path.c_str(), kSide, kSide, 4, rgba.data(), kSide * 4) != 0;
}

}  // namespace tunes
