#pragma once
// The tune text notation (see README.md) parsed into the cells of a tune image.
#include <string>
#include <vector>

namespace tunes {

constexpr int kPatterns = 64;
constexpr int kTracks = 8;
constexpr int kRows = 64;
constexpr int kColumns = 8;
constexpr int kPatternCells = kTracks * kRows * kColumns;

// The same layout the sequencer decodes: pattern * 4096 + track * 512 + row * 8 + column, values 0 to 31.
struct TuneCells {
    std::vector<int> values = std::vector<int>(kPatterns * kPatternCells, 0);

    int& At(int pattern, int track, int row, int column) {
        return values[pattern * kPatternCells + track * kRows * kColumns + row * kColumns + column];
    }
};

struct ParseResult {
    bool ok = false;
    std::string error;  // "line N: message" when not ok
};

ParseResult ParseTune(const std::string& text, TuneCells* cells);

}  // namespace tunes
