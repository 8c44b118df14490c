#include "bench/shot.h"

#include <cstdio>

#include "graphics/graphics.h"

namespace bench {

void ShotAfterRender::AfterRender(MyApp&) {
    width = graphics::DeviceWidth();
    height = graphics::DeviceHeight();
    pixels.assign(static_cast<size_t>(width) * height, 0);
    graphics::ReadPixels(pixels.data(), 0, 0, width, height);
}

bool WritePpm(const char* path, const std::vector<int>& pixels, int width, int height) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int p : pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                      static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, f);
    }
    return std::fclose(f) == 0;
}

}  // namespace bench
