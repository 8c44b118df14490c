#include "music/tune_pixels.h"

#include <stb/stb_image.h>

#include <cstdio>
#include <cstring>

#include "app/paths.h"

bool TunePixels::Load(const String& path) {
    Clear();
    std::FILE* file = fopenFile(FixDataPath(path), u"rb");
    if (!file) return false;
    int w = 0, h = 0, components = 0;
    unsigned char* pixels = stbi_load_from_file(file, &w, &h, &components, 4);
    std::fclose(file);
    if (!pixels) return false;
    rgba_.assign(pixels, pixels + static_cast<size_t>(w) * h * 4);
    stbi_image_free(pixels);
    width_ = w;
    return true;
}

void TunePixels::Clear() {
    rgba_.clear();
    width_ = 0;
}
