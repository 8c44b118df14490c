#pragma once
// Test data of our own for the framework tests: solid picture sheets and tiny WAV files in a data/ folder of the
// scratch directory, and a fixture that can resize the window and render without presenting.
#include <string>
#include <vector>

#include "tests/game/app_fixture.h"

namespace fwtest {

struct Rgba {
    unsigned char r, g, b, a;
};

// A solid sheet of `count` frames of w by h pixels laid out in a grid, so it stays a modest texture.
void WriteSheet(const std::string& path, int w, int h, int count, Rgba colour);
// A short 16-bit mono PCM file.
void WriteWav(const std::string& path);

// A picture the loader asks for, at base resolution.
struct Picture {
    const char* stem;
    int frameWidth, frameHeight, frameCount;
};
const std::vector<Picture>& LoaderPictures();
// Sound slots the loader fills.
const std::vector<int>& LoaderSounds();

// Replaces the scratch folder's data/ link with a folder of our own holding every picture at each of the given
// resolution levels (1, 2, 4; each level in its own colour) and every sound effect.
void WriteGameData(const std::vector<int>& levels);
Rgba LevelColour(int level);

}  // namespace fwtest

class FrameworkFixture : public AppFixture {
protected:
    // Resizes the window, lets the device see the new size and renders once, so jscrw and jscrh follow.
    void SetWindow(int width, int height);
    // A render without the buffer swap, so the picture can be read back.
    void RenderNoSwap();
    // The pixel at (x, y) of the last render as 0xRRGGBB.
    unsigned Pixel(int x, int y);
};
