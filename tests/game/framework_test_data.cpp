#include "tests/game/framework_test_data.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "graphics/graphics.h"
#include "tests/support/gl_window.h"

namespace fwtest {

void WriteSheet(const std::string& path, int w, int h, int count, Rgba colour) {
    int cols = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    int rows = (count + cols - 1) / cols;
    int width = cols * w, height = rows * h;
    std::vector<Rgba> pixels(static_cast<size_t>(width) * height, colour);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_NE(stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4), 0) << path;
}

void WriteWav(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const std::uint32_t samples = 64, rate = 22050, dataBytes = samples * 2;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    auto u32 = [f](std::uint32_t v) { std::fwrite(&v, 4, 1, f); };
    auto u16 = [f](std::uint16_t v) { std::fwrite(&v, 2, 1, f); };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(dataBytes);
    for (std::uint32_t i = 0; i < samples; ++i) u16(static_cast<std::uint16_t>(i * 512));
    std::fclose(f);
}

const std::vector<Picture>& LoaderPictures() {
    static const std::vector<Picture> pictures = {
        {"common/icons", 32, 32, 16},     {"common/Buttons", 64, 64, 16}, {"common/dpad", 32, 32, 16},
        {"common/icade", 64, 64, 2},      {"common/PlovoLogo", 256, 256, 1}, {"fonts/editundo", 16, 16, 128},
        {"menu", 256, 256, 4},            {"logo", 256, 128, 1},          {"parts", 8, 8, 16},
        {"BadgesA", 64, 64, 64},          {"gfx", 64, 64, 16},            {"dragon", 256, 256, 4},
    };
    return pictures;
}

const std::vector<int>& LoaderSounds() {
    static const std::vector<int> sounds = {1, 2, 3, 4, 5, 6, 7, 95, 98, 99};
    return sounds;
}

Rgba LevelColour(int level) {
    switch (level) {
    case 2: return {0, 255, 0, 255};
    case 4: return {0, 0, 255, 255};
    default: return {255, 0, 0, 255};
    }
}

void WriteGameData(const std::vector<int>& levels) {
    std::filesystem::remove("data");
    for (int level : levels) {
        const char* suffix = level == 2 ? "-hd" : level == 4 ? "-hd2" : "";
        for (const Picture& p : LoaderPictures()) {
            WriteSheet(std::string("data/") + p.stem + suffix + ".png", p.frameWidth * level, p.frameHeight * level,
                       p.frameCount, LevelColour(level));
        }
    }
    for (int n : LoaderSounds()) {
        char name[32];
        std::snprintf(name, sizeof name, "data/sfx/%03d.wav", n);
        WriteWav(name);
    }
}

}  // namespace fwtest

void FrameworkFixture::SetWindow(int width, int height) {
    Resize(width, height);
    device->graphicsDevice->Validate();
    Render();
}

void FrameworkFixture::RenderNoSwap() {
    device->graphicsDevice->Validate();
    device->graphicsDevice->BeginRender();
    device->OnRender();
}

unsigned FrameworkFixture::Pixel(int x, int y) {
    int pixel = 0;
    device->graphicsDevice->ReadPixels(&pixel, x, y, 1, 1, 0, 1);
    return static_cast<unsigned>(pixel) & 0xFFFFFFu;
}
