// Asset loading: the resolution choice, file names at each resolution, the 22 loader steps and the title tune,
// sound-effect names and channel rotation, and reloads that release what they replace.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/random.h"
#include "game/globals.h"
#include "game/my_app.h"
#include "tests/game/framework_test_data.h"

namespace {

using Assets = FrameworkFixture;

TEST_F(Assets, ResolutionBoundsAreStrict) {
    struct Case {
        int w, h, level;
    };
    gxtkGraphics& g = *device->graphicsDevice;
    for (Case c : {Case{640, 480, 2}, Case{630, 472, 1}, Case{630, 630, 1}, Case{631, 480, 2}, Case{600, 800, 2},
                   Case{1230, 1000, 2}, Case{1231, 700, 4}, Case{700, 1231, 4}, Case{1920, 1080, 4}}) {
        g.width = c.w;
        g.height = c.h;
        game->ChooseResolution();
        EXPECT_EQ(game->hdLevel, c.level) << c.w << "x" << c.h;
        EXPECT_EQ(game->hdScale, 1.0f / static_cast<float>(c.level)) << c.w << "x" << c.h;
    }
    g.Validate();
}

TEST_F(Assets, EachWindowSizeLoadsItsOwnFiles) {
    fwtest::WriteGameData({1, 2, 4});
    struct Case {
        int w, h, level;
    };
    for (Case c : {Case{620, 470, 1}, Case{1024, 768, 2}, Case{1920, 1080, 4}, Case{600, 800, 2}}) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        SetWindow(c.w, c.h);
        game->loadStage = 1;
        UpdateOnly();  // step 1: common/icons
        ASSERT_TRUE(game->images[97]);
        // Each level's sheet is 4 frames wide: the surface's width tells which file was read.
        EXPECT_EQ(game->images[97]->surface->width, 4 * 32 * c.level);
        EXPECT_EQ(game->images[97]->width, 32 * c.level);
        EXPECT_EQ(game->imageMetrics[97 * 3], 32 * c.level);
        EXPECT_EQ(game->imageMetrics[97 * 3 + 1], 32 * c.level);
        EXPECT_EQ(game->imageMetrics[97 * 3 + 2], 16);
    }
    SetWindow(640, 480);
}

TEST_F(Assets, LoaderFillsEverySlotInTwentyTwoUpdates) {
    fwtest::WriteGameData({2});
    game->mode = 1;
    game->Reload();
    for (int step = 1; step <= 22; ++step) {
        ASSERT_EQ(game->loadStage, step);
        game->skyline.fill(-5);
        UpdateOnly();
        EXPECT_NE(game->skyline[10], -5) << "the background is reset at step " << step;
        bool logoDrawn = false;
        for (int i = 0; i < game->drawCount; i += 15) logoDrawn |= game->drawList[i] == 93;
        EXPECT_TRUE(logoDrawn) << "the loading screen is drawn at step " << step;
    }
    EXPECT_EQ(game->loadStage, 0);

    for (const auto& [slot, w, h, count] : std::vector<std::array<int, 4>>{
             {97, 32, 32, 16}, {95, 64, 64, 16}, {94, 32, 32, 16}, {92, 64, 64, 2}, {93, 256, 256, 1},
             {99, 256, 256, 4}, {98, 256, 128, 1}, {96, 8, 8, 16}, {80, 64, 64, 64}, {1, 64, 64, 16},
             {2, 256, 256, 4}}) {
        ASSERT_TRUE(game->images[slot]) << "slot " << slot;
        EXPECT_EQ(game->images[slot]->width, w * 2) << "slot " << slot;
        EXPECT_EQ(game->images[slot]->frames.size(), static_cast<size_t>(count)) << "slot " << slot;
        EXPECT_EQ(game->imageMetrics[slot * 3], w * 2) << "slot " << slot;
        EXPECT_EQ(game->imageMetrics[slot * 3 + 1], h * 2) << "slot " << slot;
        EXPECT_EQ(game->imageMetrics[slot * 3 + 2], count) << "slot " << slot;
    }
    // The font keeps its advance and line height whatever its file's resolution.
    ASSERT_TRUE(game->images[90]);
    EXPECT_EQ(game->images[90]->width, 32);
    EXPECT_EQ(game->imageMetrics[90 * 3], 7);
    EXPECT_EQ(game->imageMetrics[90 * 3 + 1], 10);
    EXPECT_EQ(game->imageMetrics[90 * 3 + 2], 128);
    EXPECT_EQ(game->currentFont, 90);
    for (int n : fwtest::LoaderSounds()) EXPECT_TRUE(game->sounds[n]) << "sound " << n;
}

class TuneSpy : public NuvPlayer {
public:
    int Nuv_StartTune(const String& name, int seed, int tempo) override {
        starts.push_back({name, seed, tempo, rng::Seed});
        return 0;
    }
    struct Start {
        String name;
        int seed, tempo;
        std::uint32_t generatorAfter;
    };
    std::vector<Start> starts;
};

TEST_F(Assets, FinishStartsTheTitleTuneOnlyInTheMenu) {
    struct Case {
        int mode;
        size_t starts;
    };
    for (Case c : {Case{1, 1}, Case{10, 0}, Case{2, 0}}) {
        auto* spy = new TuneSpy();
        game->musicPlayer.reset(spy);
        game->mode = c.mode;
        game->loadStage = 22;
        UpdateOnly();
        EXPECT_EQ(game->loadStage, 0);
        ASSERT_EQ(spy->starts.size(), c.starts) << "mode " << c.mode;
        if (c.starts == 0) continue;
        const TuneSpy::Start& s = spy->starts[0];
        EXPECT_EQ(s.name, u"Tarnwick/Tune_18");
        EXPECT_EQ(s.tempo, 80);
        // The seed is the draw that left the generator where it stands at the start.
        float u = static_cast<float>(s.generatorAfter >> 8) / 16777216.0f;
        float draw = std::floor(1.0f + (37171648.0f + 0.99f - 1.0f) * u);
        EXPECT_EQ(s.seed, static_cast<int>(draw));
    }
}

TEST_F(Assets, SoundEffectsAreNamedWithThreeDigits) {
    fwtest::WriteGameData({});
    struct Case {
        int n;
        const char* file;
    };
    for (Case c : {Case{5, "data/sfx/005.wav"}, Case{98, "data/sfx/098.wav"}, Case{7, "data/sfx/007.wav"}}) {
        game->LoadSFX(c.n);
        EXPECT_TRUE(game->sounds[c.n]) << c.file;
        std::filesystem::remove(c.file);
        game->LoadSFX(c.n);
        EXPECT_FALSE(game->sounds[c.n]) << "a missing file empties the slot: " << c.file;
    }
}

class AudioSpy : public gxtkAudio {
public:
    int PlaySample(gxtkSample* sample, int channel, int flags) override { return Log("play", channel, flags); }
    int StopChannel(int channel) override { return Log("stop", channel, 0); }
    int SetRate(int channel, float rate) override { return Log("rate", channel, rate); }
    int SetVolume(int channel, float volume) override { return Log("volume", channel, volume); }
    int SetPan(int channel, float pan) override { return Log("pan", channel, pan); }
    int Log(const char* what, int channel, float value) {
        calls.push_back(std::string(what) + " " + std::to_string(channel) + " " + std::to_string(value));
        return 0;
    }
    std::vector<std::string> calls;
};

class SoundEffects : public Assets {
protected:
    void SetUp() override {
        Assets::SetUp();
        if (IsSkipped()) return;
        previous_ = audio::device;
        audio::device = &spy;
        game->sounds[1] = std::make_shared<Sound>();
        game->sounds[1]->sample = std::make_shared<gxtkSample>();
    }
    void TearDown() override {
        if (previous_) audio::device = previous_;
        Assets::TearDown();
    }
    AudioSpy spy;
    gxtkAudio* previous_ = nullptr;
};

TEST_F(SoundEffects, PlayStopsThenStartsThenSetsTheChannel) {
    game->settings[5] = 1;
    game->sfxChannel = 0;
    game->channelMap[1] = 30;
    game->PlaySFX(1, 1.5f, 0.5f, -1);
    game->PlaySFX(2, 2, 1, 0);  // an empty slot still sets rate, volume and pan
    std::vector<std::string> expected = {
        "stop 30 0.000000", "play 30 0.000000", "rate 30 1.500000", "volume 30 0.500000", "pan 30 -1.000000",
        "stop 2 0.000000",  "rate 2 2.000000",  "volume 2 1.000000", "pan 2 0.000000"};
    EXPECT_EQ(spy.calls, expected);
}

TEST_F(SoundEffects, RotateOverTwentyFourChannels) {
    game->settings[5] = 2;
    game->sfxChannel = 0;
    std::vector<int> channels;
    for (int i = 0; i < 25; ++i) {
        spy.calls.clear();
        game->PlaySFX(1, 1, 1, 0);
        ASSERT_FALSE(spy.calls.empty());
        channels.push_back(std::stoi(spy.calls[0].substr(5)));
    }
    for (int i = 0; i < 25; ++i) EXPECT_EQ(channels[i], (i + 1) % 24) << "effect " << i;
    EXPECT_EQ(channels[24], channels[0]) << "the 25th effect cuts off the first";
    game->sfxChannel = -30;
    game->PlaySFX(1, 1, 1, 0);
    EXPECT_EQ(game->sfxChannel, 0) << "a negative remainder comes out as slot 0";
}

TEST_F(SoundEffects, SilentInSoundModesOtherThanOneAndTwo) {
    for (int soundMode : {0, 3, 4, -1}) {
        game->settings[5] = soundMode;
        game->sfxChannel = 5;
        game->PlaySFX(1, 1, 1, 0);
        EXPECT_TRUE(spy.calls.empty()) << "sound mode " << soundMode;
        EXPECT_EQ(game->sfxChannel, 5);
    }
}

long ResidentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST_F(Assets, ReloadsReleaseWhatTheyReplace) {
    fwtest::WriteGameData({1});
    SetWindow(620, 470);
    FinishLoading();
    std::vector<std::weak_ptr<gxtkSurface>> firstSurfaces;
    for (const ImagePtr& image : game->images) {
        if (image) firstSurfaces.push_back(image->surface);
    }
    ASSERT_EQ(firstSurfaces.size(), 12u);

    // Every resize reloads every picture; alternate between two sizes that both use the base files.
    long before = 0;
    for (int i = 0; i < 100; ++i) {
        SetWindow(i % 2 ? 620 : 630, 470);
        ASSERT_EQ(game->loadStage, 1);
        FinishLoading();
        if (i == 9) before = ResidentKilobytes();
    }
    for (const auto& surface : firstSurfaces) EXPECT_TRUE(surface.expired()) << "a replaced surface is still alive";
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed blocks in quarantine, so resident memory grows by design; it finds leaks itself.
    SetWindow(640, 480);
    return;
#endif
    long growth = ResidentKilobytes() - before;
    std::printf("resident memory after 10 reloads: %ld kB, growth over 90 more: %ld kB\n", before, growth);
    // One reload of this data holds about 5 MB of pixels: a leak of 90 of them would be hundreds of MB.
    EXPECT_LT(growth, 8 * 1024);
    SetWindow(640, 480);
}

}  // namespace
