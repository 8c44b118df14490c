// Every picture and sound the game loads exists in the generated data folder, with the exact frame sizes and counts
// at all three resolutions and in a WAV format the loader accepts (RIFF/WAVE, "fmt " first, PCM, 16-bit).
// The data folder comes from SKARNFELL_DATA_DIR, else game/data relative to the working directory.
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string DataDir() {
  const char* env = std::getenv("SKARNFELL_DATA_DIR");
  return env && *env ? env : "game/data";
}

struct Sheet {
  const char* stem;
  int frameW, frameH, frames;
};

// Every sheet the loader asks for, with frame sizes at base resolution.
const Sheet kSheets[] = {
    {"gfx", 64, 64, 16},          {"dragon", 256, 256, 4},          {"logo", 256, 128, 1},
    {"menu", 256, 256, 4},        {"parts", 8, 8, 16},              {"BadgesA", 64, 64, 64},
    {"fonts/editundo", 16, 16, 128}, {"common/icons", 32, 32, 16},  {"common/Buttons", 64, 64, 16},
    {"common/dpad", 32, 32, 16},  {"common/icade", 64, 64, 2},      {"common/PlovoLogo", 256, 256, 1},
};

void ExpectSheet(const std::string& path, int fw, int fh, int frames) {
  int w = 0, h = 0, comp = 0;
  ASSERT_TRUE(stbi_info(path.c_str(), &w, &h, &comp)) << path << " missing or not a picture";
  EXPECT_EQ(w % fw, 0) << path << ": width " << w << " is not a multiple of the frame width " << fw;
  int columns = w / fw;
  ASSERT_GT(columns, 0) << path;
  int rows = (frames + columns - 1) / columns;
  EXPECT_GE(h, rows * fh) << path << ": " << frames << " frames of " << fw << "x" << fh << " need " << rows
                          << " rows";
  EXPECT_LT(h, (rows + 1) * fh) << path << ": more rows than the frames need";
  // The loader decodes it fully; make sure it really decodes.
  unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &comp, 0);
  ASSERT_NE(pixels, nullptr) << path;
  EXPECT_EQ(comp, 4) << path << " should carry an alpha channel";
  stbi_image_free(pixels);
}

TEST(Assets, EverySheetAtThreeResolutions) {
  for (const Sheet& s : kSheets) {
    SCOPED_TRACE(s.stem);
    ExpectSheet(DataDir() + "/" + s.stem + ".png", s.frameW, s.frameH, s.frames);
    ExpectSheet(DataDir() + "/" + s.stem + "-hd.png", s.frameW * 2, s.frameH * 2, s.frames);
    ExpectSheet(DataDir() + "/" + s.stem + "-hd2.png", s.frameW * 4, s.frameH * 4, s.frames);
  }
}

TEST(Assets, DefaultFontIsOneRowOf96PaddedGlyphs) {
  int w = 0, h = 0, comp = 0;
  std::string path = DataDir() + "/plinth_font.png";
  ASSERT_TRUE(stbi_info(path.c_str(), &w, &h, &comp)) << path;
  EXPECT_EQ(w % 96, 0);
  EXPECT_GE(w / 96, 3) << "each frame needs a one-pixel border on both sides and a glyph between";
  EXPECT_GE(h, 8);
}

struct Wav {
  bool ok = false;
  std::string error;
  int channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

Wav ReadWav(const std::string& path) {
  Wav w;
  std::ifstream in(path, std::ios::binary);
  if (!in) { w.error = "missing"; return w; }
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 44) { w.error = "too short"; return w; }
  if (std::memcmp(&b[0], "RIFF", 4) || std::memcmp(&b[8], "WAVE", 4)) { w.error = "not RIFF/WAVE"; return w; }
  if (std::memcmp(&b[12], "fmt ", 4)) { w.error = "first chunk is not \"fmt \""; return w; }
  uint32_t fmtSize = Le32(&b[16]);
  if (Le16(&b[20]) != 1) { w.error = "not PCM"; return w; }
  w.channels = Le16(&b[22]);
  w.rate = int(Le32(&b[24]));
  w.bits = Le16(&b[34]);
  size_t pos = 20 + fmtSize;
  while (pos + 8 <= b.size()) {
    uint32_t size = Le32(&b[pos + 4]);
    if (!std::memcmp(&b[pos], "data", 4)) {
      if (pos + 8 + size > b.size()) { w.error = "data chunk runs past the end"; return w; }
      for (size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(int16_t(Le16(&b[pos + 8 + i])));
      w.ok = true;
      return w;
    }
    pos += 8 + size + (size & 1);
  }
  w.error = "no data chunk";
  return w;
}

void ExpectSound(const std::string& rel) {
  SCOPED_TRACE(rel);
  Wav w = ReadWav(DataDir() + "/" + rel);
  ASSERT_TRUE(w.ok) << w.error;
  EXPECT_EQ(w.bits, 16);
  EXPECT_TRUE(w.channels == 1 || w.channels == 2);
  EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
  EXPECT_GT(w.samples.size(), 100u);
}

TEST(Assets, SoundEffects) {
  for (const char* n : {"001", "002", "003", "004", "005", "006", "007", "095", "098", "099"}) {
    ExpectSound(std::string("sfx/") + n + ".wav");
  }
}

TEST(Assets, DrumKits) {
  for (int kit = 1; kit <= 4; ++kit)
    for (int n = 1; n <= 8; ++n) ExpectSound("inst/d" + std::to_string(kit) + "-" + std::to_string(n) + ".wav");
}

// Melodic instruments are looped: the last sample must run into the first as smoothly as any two neighbours.
void ExpectLoop(const std::string& rel) {
  ExpectSound(rel);
  Wav w = ReadWav(DataDir() + "/" + rel);
  if (!w.ok || w.channels != 1 || w.samples.size() < 2) return;
  int maxStep = 0;
  for (size_t i = 1; i < w.samples.size(); ++i) maxStep = std::max(maxStep, std::abs(w.samples[i] - w.samples[i - 1]));
  int seam = std::abs(w.samples.front() - w.samples.back());
  EXPECT_LE(seam, maxStep) << rel << ": the loop seam jumps by " << seam;
}

TEST(Assets, MelodicInstrumentsLoopSeamlessly) {
  for (int n = 1; n <= 3; ++n) ExpectLoop("inst/lead" + std::to_string(n) + ".wav");
  for (int n = 1; n <= 3; ++n) ExpectLoop("inst/accompany" + std::to_string(n) + ".wav");
  for (int n = 1; n <= 4; ++n) ExpectLoop("inst/bass" + std::to_string(n) + ".wav");
}

}  // namespace
