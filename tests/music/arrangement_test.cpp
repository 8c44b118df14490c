// Tune start: the seeded arrangement, its draw order, the log line, and what a restart keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "app/random.h"
#include "tests/music/music_fixture.h"

namespace musictest {
namespace {

// A tune whose five tracks have notes in patterns 0 to 5, so starting patterns can be anything from 0 to 5.
void FillSixPatterns(TuneImage& tune) {
    for (int p = 0; p < 6; ++p)
        for (int t = 0; t < 5; ++t) tune.Note(p, t, 0, 13, 20);
}

struct Arrangement {
    int choice[6], pattern[5], muted[5], mutedNext[5], leadIn[5], barsLeft;
    explicit Arrangement(const NuvPlayer& p) : barsLeft(p.barsLeft) {
        for (int i = 0; i < 6; ++i) choice[i] = p.instrumentChoice[i];
        for (int v = 0; v < 5; ++v) {
            pattern[v] = p.voicePattern[v];
            muted[v] = p.voiceMuted[v];
            mutedNext[v] = p.voiceMutedNext[v];
            leadIn[v] = p.voiceLeadIn[v];
        }
    }
    bool operator==(const Arrangement& o) const {
        return std::equal(choice, choice + 6, o.choice) && std::equal(pattern, pattern + 5, o.pattern) &&
               std::equal(muted, muted + 5, o.muted) && std::equal(mutedNext, mutedNext + 5, o.mutedNext) &&
               std::equal(leadIn, leadIn + 5, o.leadIn) && barsLeft == o.barsLeft;
    }
};

TEST(NuvRand, FollowsTheSharedGeneratorAndCoversLowToHigh) {
    NuvPlayer player;
    for (std::uint32_t start : {0u, 1234u, 0xFFFFFFFFu, 37171648u}) {
        rng::Seed = start;
        Lcg lcg{start};
        for (int i = 0; i < 50; ++i) EXPECT_EQ(player.Rand(1, 5), lcg.Rand(1, 5)) << "seed " << start << " draw " << i;
        EXPECT_EQ(rng::Seed, lcg.seed);
    }
    int seen[6] = {};
    rng::Seed = 99;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(player.Rand(0, 0), 0);
        int r = player.Rand(1, 5);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 5);
        ++seen[r];
    }
    for (int r = 1; r <= 5; ++r) EXPECT_GT(seen[r], 0) << r;
}

TEST(NuvChords, ProgressionsByTypeAndTheirLetterRates) {
    NuvPlayer player;
    const struct {
        int type;
        const char16_t* chord;
    } cases[] = {{0, u"qqqq"}, {1, u"qqjj"}, {2, u"qqbb"}, {3, u"qbqb"}, {4, u"qqqj"}, {5, u"qqzz"}, {6, u"qqjj"},
                 {-1, u"qqjj"}};
    for (const auto& c : cases) EXPECT_EQ(player.Nuv_GetChord(c.type), c.chord) << c.type;
    EXPECT_FLOAT_EQ(player.GetPitch_Alpha(u'q'), 1.0f);
    EXPECT_FLOAT_EQ(player.GetPitch_Alpha(u'j'), 0.891f);
    EXPECT_FLOAT_EQ(player.GetPitch_Alpha(u'b'), 0.749f);
    EXPECT_FLOAT_EQ(player.GetPitch_Alpha(u'z'), 0.5f);
}

TEST(NuvPitch, NumbersAndLettersNameTheSameRates) {
    NuvPlayer player;
    const char16_t letters[] = u"zsxdcvgbhnjmq2w3er5t6y7ui9o0p[=]";
    for (int n = 1; n <= 32; ++n) EXPECT_EQ(player.GetPitch_Alpha(letters[n - 1]), player.GetPitch(n)) << n;
    for (int n = 13; n <= 24; ++n) EXPECT_NEAR(player.GetPitch(n), 2 * player.GetPitch(n - 12), 0.002) << n;
    for (int n = 1; n < 32; ++n) EXPECT_NEAR(player.GetPitch(n + 1) / player.GetPitch(n), 1.0595, 0.002) << n;
    EXPECT_FLOAT_EQ(player.GetPitch(13), 1.0f);
    EXPECT_FLOAT_EQ(player.GetPitch(32), 2.996f);
    EXPECT_EQ(player.GetPitch(0), 0.0f);
    EXPECT_EQ(player.GetPitch(33), 0.0f);
    EXPECT_EQ(player.GetPitch_Alpha(u'a'), 0.0f);
    EXPECT_EQ(player.GetPitch_Alpha(u'Q'), 0.0f);
}

class StartTuneTest : public MusicTest {};

TEST_F(StartTuneTest, WritesThePlayingLineAndSetsUpPlayback) {
    player.Nuv_Init(32, 4, 3, 3, 4);
    SetMillis(5000);
    testing::internal::CaptureStdout();
    player.Nuv_StartTune(u"Tarnwick/Tune_18", 4242, 80);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Playing  tunes/Tarnwick/Tune_18.png - 4242\n");
    EXPECT_EQ(player.tunePath, u"tunes/Tarnwick/Tune_18.png");
    EXPECT_EQ(player.loadStep, 1);
    EXPECT_EQ(player.playState, 2);
    EXPECT_EQ(player.tempo, 80);
    EXPECT_EQ(player.nextRowTime, 5100);
    EXPECT_EQ(player.chordQueue, u"qqjj");
    for (int v = 0; v < 5; ++v) EXPECT_EQ(player.voiceChannel[v], 32 - v);
}

TEST_F(StartTuneTest, DrawsTheArrangementInTheDesignedOrder) {
    TuneImage tune;
    FillSixPatterns(tune);
    WriteTune("T/a", tune);
    StartLoaded("T/a", 1, 100);  // loaded: every lastPattern is 5
    for (int seed : {1, 77, 123456, 37171648}) {
        rng::Seed = 555;  // whatever the game drew before must not matter
        testing::internal::CaptureStdout();
        player.Nuv_StartTune(u"T/a", seed, 100);
        testing::internal::GetCapturedStdout();

        Lcg lcg{static_cast<std::uint32_t>(seed)};
        lcg.Skip(11);
        int kitA = lcg.Rand(1, 4), kitB = lcg.Rand(1, 4), lead = lcg.Rand(1, 3), acc = lcg.Rand(1, 3);
        int bass = lcg.Rand(1, 4);
        EXPECT_EQ(player.instrumentChoice[1], kitA);
        EXPECT_EQ(player.instrumentChoice[2], kitB);
        EXPECT_EQ(player.instrumentChoice[3], lead);
        EXPECT_EQ(player.instrumentChoice[4], acc);
        EXPECT_EQ(player.instrumentChoice[5], bass);
        int muted[5];
        for (int v = 0; v < 5; ++v) {
            lcg.seed = static_cast<std::uint32_t>(seed + 7 * v);
            lcg.Skip(11);
            EXPECT_EQ(player.voicePattern[v], lcg.Rand(0, 5)) << seed << " voice " << v;
            EXPECT_EQ(player.voiceMutedNext[v], lcg.Rand(0, 1));
            EXPECT_EQ(player.voiceLeadIn[v], lcg.Rand(0, 1));
            muted[v] = lcg.Rand(0, 1);
        }
        if (muted[0] && muted[1]) muted[0] = 0;
        for (int v = 0; v < 5; ++v) EXPECT_EQ(player.voiceMuted[v], muted[v]) << seed << " voice " << v;
        EXPECT_EQ(player.barsLeft, lcg.Rand(1, 2) * 2);
        EXPECT_EQ(rng::Seed, lcg.seed);  // the game's next draws continue from the tune's seed
    }
}

TEST_F(StartTuneTest, SameSeedSameArrangementAndDrumsNeverBothSilent) {
    TuneImage tune;
    FillSixPatterns(tune);
    WriteTune("T/a", tune);
    StartLoaded("T/a", 1, 100);
    for (int seed = 1; seed <= 300; ++seed) {
        testing::internal::CaptureStdout();
        player.Nuv_StartTune(u"T/a", seed, 100);
        Arrangement first(player);
        rng::Seed = static_cast<std::uint32_t>(seed * 31);
        player.Nuv_StartTune(u"T/a", seed, 100);
        testing::internal::GetCapturedStdout();
        EXPECT_TRUE(first == Arrangement(player)) << seed;
        EXPECT_FALSE(player.voiceMuted[0] == 1 && player.voiceMuted[1] == 1) << seed;
        EXPECT_TRUE(player.barsLeft == 2 || player.barsLeft == 4);
    }
    testing::internal::CaptureStdout();
    player.Nuv_StartTune(u"T/a", 1, 100);
    Arrangement one(player);
    player.Nuv_StartTune(u"T/a", 2, 100);
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(one == Arrangement(player));
}

TEST_F(StartTuneTest, RestartKeepsTheLoadedTuneAndANewTuneStartsOnPatternZero) {
    TuneImage tune;
    FillSixPatterns(tune);
    WriteTune("T/a", tune);
    WriteTune("T/b", tune);
    StartLoaded("T/a", 1, 100);
    const std::vector<int> decoded = player.noteData;
    testing::internal::CaptureStdout();
    player.Nuv_StartTune(u"T/a", 9, 80);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(player.loadStep, 0);
    EXPECT_EQ(player.noteData, decoded);
    for (int v = 0; v < 5; ++v) EXPECT_EQ(player.lastPattern[v], 5);

    testing::internal::CaptureStdout();
    player.Nuv_StartTune(u"T/b", 9, 80);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(player.loadStep, 1);
    for (int v = 0; v < 5; ++v) {
        EXPECT_EQ(player.voicePattern[v], 0);
        EXPECT_EQ(player.lastPattern[v], 0);
    }
}

}  // namespace
}  // namespace musictest
