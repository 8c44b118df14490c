#pragma once
// The tune image's decoded pixels, kept between loader steps so each step decodes one frame straight from memory.
// The blue values are those of the file, exactly what drawing the frame and reading it back would give.
#include <vector>

#include "app/text.h"

class TunePixels {
public:
    // Decodes the file (a data path, as LoadImage takes it); false leaves nothing loaded.
    bool Load(const String& path);
    void Clear();
    bool Loaded() const { return width_ > 0; }
    // Blue component of the pixel; callers stay inside the image (frame rectangles are checked by LoadImage).
    int Blue(int x, int y) const { return rgba_[(static_cast<size_t>(y) * width_ + x) * 4 + 2]; }

private:
    std::vector<unsigned char> rgba_;
    int width_ = 0;
};
