#pragma once
// Writes tune cells as the 512x512 image the sequencer reads: 64 frames of 64x64 in reading order, blue = value * 8
// + 4 (the middle of the value's band, so any rounding on the way still decodes to the same value).
#include <string>

#include "tune_source.h"

namespace tunes {

bool WriteTuneImage(TuneCells& cells, const std::string& path);

}  // namespace tunes
