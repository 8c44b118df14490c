// The WAV reader against a table of small files, from the plain ones through every header it must refuse.
#include <gtest/gtest.h>

#include <cstring>

#include "audio/sound_file.h"
#include "temp_dir.h"
#include "wav_builder.h"

using namespace wavbuild;

namespace {

struct WavCase {
    const char* name;
    const char* file;
    std::string bytes;
    bool loads;
    std::string pcm = {};  // the block expected back
    int length = 0, channels = 0, format = 0, hertz = 0;
};

const Fmt kMono16{};
const Fmt kStereo8{1, 2, 22050, 8};

std::string Body16(int extra) {
    Fmt f = kMono16;
    f.extra = extra;
    return FmtChunk(f);
}

std::vector<WavCase> Cases() {
    const std::string pcm16 = Pcm(16);
    return {
        {"Mono16", "a.wav", Wav(kMono16, pcm16), true, pcm16, 8, 1, 2, 8000},
        {"Stereo8", "a.wav", Wav(kStereo8, Pcm(10)), true, Pcm(10), 5, 2, 1, 22050},
        {"UpperCaseExtension", "LOUD.WAV", Wav(kMono16, pcm16), true, pcm16, 8, 1, 2, 8000},
        {"MixedCaseExtension", "a.WaV", Wav(kMono16, pcm16), true, pcm16, 8, 1, 2, 8000},
        {"OnlyDotInFolderName", "sounds.wav/a", Wav(kMono16, pcm16), false},
        {"OtherExtension", "a.raw", Wav(kMono16, pcm16), false},
        {"NoFile", nullptr, "", false},
        {"ListBeforeFmt", "a.wav", Riff(Chunk("LIST", Pcm(4)) + FmtChunk(kMono16) + Chunk("data", pcm16)), false},
        {"FactAndListBeforeData", "a.wav",
         Riff(FmtChunk(kMono16) + Chunk("fact", Le32(8)) + Chunk("LIST", Pcm(6)) + Chunk("data", pcm16)), true, pcm16,
         8, 1, 2, 8000},
        {"OddChunkWithoutPad", "a.wav", Riff(FmtChunk(kMono16) + Chunk("junk", Pcm(3)) + Chunk("data", pcm16)), true,
         pcm16, 8, 1, 2, 8000},
        {"DataReadExactly", "a.wav", Riff(FmtChunk(kMono16) + Chunk("data", pcm16) + Chunk("LIST", Pcm(8))), true,
         pcm16, 8, 1, 2, 8000},
        {"Fmt18", "a.wav", Riff(Body16(2) + Chunk("data", pcm16)), true, pcm16, 8, 1, 2, 8000},
        {"Fmt40", "a.wav", Riff(Body16(24) + Chunk("data", pcm16)), true, pcm16, 8, 1, 2, 8000},
        {"PartialFrameDropped", "a.wav", Wav(Fmt{1, 2, 8000, 16}, Pcm(10)), true, Pcm(10), 2, 2, 2, 8000},
        {"TwentyFourBit", "a.wav", Wav(Fmt{1, 2, 48000, 24}, Pcm(36)), true, Pcm(36), 6, 2, 3, 48000},
        {"FloatRejected", "a.wav", Wav(Fmt{3, 1, 8000, 32}, Pcm(16)), false},
        {"ExtensibleRejected", "a.wav", Wav(Fmt{0xFFFE, 1, 8000, 16, 24}, Pcm(16)), false},
        {"ShortData", "a.wav", Riff(FmtChunk(kMono16) + Chunk("data", 100, Pcm(10))), false},
        {"HugeDataSize", "a.wav", Riff(FmtChunk(kMono16) + Chunk("data", 0x7FFFFFF0u, pcm16)), false},
        {"NegativeDataSize", "a.wav", Riff(FmtChunk(kMono16) + Chunk("data", 0xFFFFFFF0u, pcm16)), false},
        {"ZeroChannels", "a.wav", Wav(Fmt{1, 0, 8000, 16}, pcm16), false},
        {"FourBits", "a.wav", Wav(Fmt{1, 1, 8000, 4}, pcm16), false},
        {"ZeroBits", "a.wav", Wav(Fmt{1, 1, 8000, 0}, pcm16), false},
        {"ChunkSkipsPastEnd", "a.wav", Riff(FmtChunk(kMono16) + Chunk("LIST", 1000, Pcm(4)) + Chunk("data", pcm16)),
         false},
        // A negative skip would step back onto the same chunk header forever.
        {"NegativeChunkSize", "a.wav", Riff(FmtChunk(kMono16) + Chunk("LIST", 0xFFFFFFF8u, "") + Chunk("data", pcm16)),
         false},
        {"FmtExtraPastEnd", "a.wav", Riff(Chunk("fmt ", 4000, FmtChunk(kMono16).substr(8)) + Chunk("data", pcm16)),
         false},
        {"NoDataChunk", "a.wav", Riff(FmtChunk(kMono16) + Chunk("LIST", Pcm(8))), false},
        {"TruncatedHeader", "a.wav", Wav(kMono16, pcm16).substr(0, 30), false},
        {"NotRiff", "a.wav", "RIFX" + Wav(kMono16, pcm16).substr(4), false},
        {"NotWave", "a.wav", Wav(kMono16, pcm16).replace(8, 4, "AVI "), false},
        {"Empty", "a.wav", "", false},
    };
}

class WavReader : public ::testing::TestWithParam<WavCase> {};

TEST_P(WavReader, LoadsOrRejects) {
    const WavCase& c = GetParam();
    TempDir dir;
    const String path = c.file ? dir.Write(c.file, c.bytes) : FromAscii(dir.Path("missing.wav"));
    int length = -7, channels = -7, format = -7, hertz = -7;
    void* data = loadSound(path, &length, &channels, &format, &hertz);
    if (!c.loads) {
        EXPECT_EQ(data, nullptr);
        // Out-parameters are written only on success.
        EXPECT_EQ(length, -7);
        EXPECT_EQ(channels, -7);
        EXPECT_EQ(format, -7);
        EXPECT_EQ(hertz, -7);
        unloadSound(data);
        return;
    }
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(length, c.length);
    EXPECT_EQ(channels, c.channels);
    EXPECT_EQ(format, c.format);
    EXPECT_EQ(hertz, c.hertz);
    EXPECT_EQ(std::string(static_cast<const char*>(data), c.pcm.size()), c.pcm);
    unloadSound(data);
}

INSTANTIATE_TEST_SUITE_P(Files, WavReader, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
