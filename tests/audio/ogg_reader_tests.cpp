// Ogg decoding, with fixtures encoded at test time by oggenc from a generated tone. Long enough that the block has
// to double several times; checked against stb_vorbis's own whole-file decoder so no frame goes missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "audio/sound_file.h"
#include "temp_dir.h"
#include "wav_builder.h"

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

using namespace wavbuild;

namespace {

struct OggCase {
    const char* name;
    int channels;
    int hertz;
    int frames;
};

std::string Tone(int channels, int hertz, int frames) {
    std::string pcm;
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double v = 12000 * std::sin(2 * M_PI * 440 * (c + 1) * i / hertz);
            pcm += Le16(static_cast<int>(std::lround(v)) & 0xFFFF);
        }
    }
    return pcm;
}

class OggReader : public ::testing::TestWithParam<OggCase> {};

TEST_P(OggReader, ReturnsEveryFrame) {
    const OggCase& c = GetParam();
    TempDir dir;
    dir.Write("tone.wav", Wav(Fmt{1, c.channels, c.hertz, 16}, Tone(c.channels, c.hertz, c.frames)));
    const std::string ogg = dir.Path("tone.ogg");
    const std::string cmd = "oggenc -Q -o '" + ogg + "' '" + dir.Path("tone.wav") + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << "oggenc (package vorbis-tools, see scripts/packages.sh) is needed";

    int length = 0, channels = 0, format = 0, hertz = 0;
    auto* data = static_cast<short*>(loadSound(FromAscii(ogg), &length, &channels, &format, &hertz));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(length, c.frames);
    EXPECT_EQ(channels, c.channels);
    EXPECT_EQ(format, 2);
    EXPECT_EQ(hertz, c.hertz);

    short* whole = nullptr;
    int wholeChannels = 0, wholeRate = 0;
    const int wholeFrames = stb_vorbis_decode_filename(ogg.c_str(), &wholeChannels, &wholeRate, &whole);
    ASSERT_EQ(wholeFrames, length);
    EXPECT_EQ(std::memcmp(data, whole, sizeof(short) * length * channels), 0);
    std::free(whole);

    // The tone survived: the middle of the first channel swings close to the amplitude it was encoded with.
    int peak = 0;
    for (int i = length / 2; i < length / 2 + c.hertz / 100; ++i) peak = std::max(peak, std::abs(data[i * channels]));
    EXPECT_NEAR(peak, 12000, 1500);
    unloadSound(data);
}

INSTANTIATE_TEST_SUITE_P(Tones, OggReader,
                         ::testing::Values(OggCase{"MonoJustOverOneBlock", 1, 44100, 4097},
                                           OggCase{"Stereo", 2, 22050, 30000},
                                           OggCase{"MonoLong", 1, 8000, 50000}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CommentDamage {
    const char* name;
    size_t offset;  // from the start of the comment packet
    uint32_t value;
};

class OggComments : public ::testing::TestWithParam<CommentDamage> {};

// stb_vorbis allocates and fills whatever lengths the comment header gives (2 GB and half a minute here, and then
// the file loads); the reader must refuse such a header first.
TEST_P(OggComments, LengthsBeyondThePacketAreRefused) {
    TempDir dir;
    dir.Write("tone.wav", Wav(Fmt{1, 1, 8000, 16}, Tone(1, 8000, 1000)));
    const std::string ogg = dir.Path("tone.ogg");
    ASSERT_EQ(std::system(("oggenc -Q -o '" + ogg + "' '" + dir.Path("tone.wav") + "'").c_str()), 0);
    std::ifstream in(ogg, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t packet = bytes.find("\x03vorbis");
    ASSERT_NE(packet, std::string::npos);
    bytes.replace(packet + GetParam().offset, 4, Le32(GetParam().value));

    int length = 0, channels = 0, format = 0, hertz = 0;
    void* data = loadSound(dir.Write("bad.ogg", bytes), &length, &channels, &format, &hertz);
    EXPECT_EQ(data, nullptr);
    unloadSound(data);
}

INSTANTIATE_TEST_SUITE_P(Damaged, OggComments,
                         ::testing::Values(CommentDamage{"VendorLength", 7, 0x7FFFFFF0u}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OggReaderFile, NotVorbisIsNull) {
    TempDir dir;
    int length = -7, channels = -7, format = -7, hertz = -7;
    EXPECT_EQ(loadSound(dir.Write("noise.OGG", Pcm(5000)), &length, &channels, &format, &hertz), nullptr);
    EXPECT_EQ(loadSound(FromAscii(dir.Path("missing.ogg")), &length, &channels, &format, &hertz), nullptr);
    EXPECT_EQ(length, -7);
}

}  // namespace
