// skarnfell_assetgen <data dir> [--only NAME] [--mock FILE.png]
// Writes every picture, font and sound of the game's data/ tree (the tune images are made by tools/tunes).
// The output is the same, byte for byte, on every run: no clock, no unseeded randomness.
#include <cstdio>
#include <cstring>
#include <string>

#include "art.h"
#include "audio.h"

using namespace assetgen;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <data dir> [--only NAME] [--mock FILE.png]\n", argv[0]);
    return 2;
  }
  std::string dir = argv[1], only, mock;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--only")) only = argv[i + 1];
    if (!std::strcmp(argv[i], "--mock")) mock = argv[i + 1];
  }
  struct Job {
    const char* name;
    void (*run)(const std::string&);
  };
  const Job jobs[] = {
      {"dragon", WriteDragon}, {"gfx", WriteGfx},       {"logo", WriteLogo},       {"fonts", WriteFonts},
      {"icons", WriteIcons},   {"buttons", WriteButtons}, {"dpad", WriteDpad},   {"icade", WriteIcade},
      {"studio", WriteStudioLogo}, {"menu", WriteMenu}, {"parts", WriteParts},   {"badges", WriteBadges},
      {"sfx", WriteEffects},   {"drums", WriteDrums},   {"instruments", WriteInstruments},
  };
  for (const Job& job : jobs) {
    if (only.empty() || only == job.name) job.run(dir);
  }
  if (!mock.empty()) {
    WriteMockScene(mock, 1);
    std::string hd = mock.substr(0, mock.size() - 4) + "-hd2.png";
    WriteMockScene(hd, 3);
  }
  return 0;
}
