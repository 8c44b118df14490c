// The row player: row timing with the manual clock, the update hook's pause, music-off and loading rules, effects 8
// and 27, bar ends with the chord queue, and section changes reseeding from the tune's seed.
#include <gtest/gtest.h>

#include "app/random.h"
#include "tests/music/music_fixture.h"

namespace musictest {
namespace {

class PlaybackTest : public MusicTest {
protected:
    void SetUp() override {
        MusicTest::SetUp();
        WriteInstruments();
    }
    // A loaded tune with every voice unmuted on pattern 0. Each call writes a new tune: restarting one that is
    // already loaded would keep its old notes.
    void Ready(TuneImage& tune, int tempo = 100, int seed = 5) {
        std::string name = "T/p" + std::to_string(++tunes_);
        WriteTune(name, tune);
        StartLoaded(name, seed, tempo);
        for (int v = 0; v < 5; ++v) {
            player.voiceMuted[v] = 0;
            player.voicePattern[v] = 0;
        }
    }
    // The rate sent to the lead's channel (29) by the last note, or 0.
    float LastLeadRate() {
        float rate = 0;
        for (const AudioCall& c : audioSpy.Calls("rate"))
            if (c.channel == 29) rate = c.value;
        return rate;
    }
    void PlayBar() {
        for (int i = 0; i < 64; ++i) PlayOneRow();
    }

private:
    int tunes_ = 0;
};

TEST_F(PlaybackTest, RowsFallDueAtTheTempoPeriod) {
    const struct {
        int tempo, period;
    } cases[] = {{80, 100}, {95, 84}, {100, 80}};
    for (const auto& c : cases) {
        TuneImage tune;
        Ready(tune, c.tempo);
        const int start = player.nextRowTime;
        std::vector<int> rowTimes;
        for (int ms = start - 20; ms < start + 1000; ++ms) {
            SetMillis(ms);
            int before = player.row;
            player.Nuv_Alive_U(0, 1);
            if (player.row != before) rowTimes.push_back(ms);
        }
        ASSERT_GE(rowTimes.size(), 5u) << c.tempo;
        EXPECT_EQ(rowTimes[0], start + 1) << c.tempo;  // due once the clock is past the due time
        for (size_t i = 1; i < rowTimes.size(); ++i) EXPECT_EQ(rowTimes[i] - rowTimes[i - 1], c.period) << c.tempo;
    }
}

TEST_F(PlaybackTest, ABackwardClockJumpPlaysAtOnceAndALateTuneCatchesUpOneRowPerUpdate) {
    TuneImage tune;
    Ready(tune);
    SetMillis(10000);
    player.nextRowTime = 10000 + 123456;
    player.Nuv_MusicPlay();
    EXPECT_EQ(player.row, 0);
    player.nextRowTime = 10000 + 123457;
    player.Nuv_MusicPlay();
    EXPECT_EQ(player.row, 1);
    EXPECT_EQ(player.nextRowTime, 10000 + 123457 + 80);

    player.nextRowTime = 10000 - 800;  // ten rows behind
    int updates = 0;
    for (; updates < 50; ++updates) {
        int before = player.row;
        player.Nuv_Alive_U(0, 1);
        if (player.row == before) break;
    }
    EXPECT_EQ(updates, 10);  // rows due at 9200, 9280, ..., 9920; the next, 10000, is not yet past
}

TEST_F(PlaybackTest, PauseHoldsTheRowMusicOffAndLoadingStopTheClock) {
    TuneImage tune;
    tune.Note(0, 2, 0, 13, 20);
    Ready(tune);
    PlayOneRow();
    ASSERT_EQ(player.voiceSounding[2], 1);
    audioSpy.calls.clear();
    SetMillis(50000);
    player.Nuv_Alive_U(1, 1);
    EXPECT_EQ(player.row, 1);
    EXPECT_EQ(player.nextRowTime, 50150);
    EXPECT_EQ(audioSpy.Calls("stop").size(), 1u);
    EXPECT_EQ(player.voiceSounding[2], 0);

    SetMillis(60000);
    player.Nuv_Alive_U(0, 0);
    EXPECT_EQ(player.row, 1);
    player.loadStep = 5;
    player.Nuv_Alive_U(0, 1);
    EXPECT_EQ(player.row, 1);
    player.loadStep = 0;
    player.Nuv_Alive_U(0, 1);
    EXPECT_EQ(player.row, 2);
}

TEST_F(PlaybackTest, StopSilencesSoundingVoicesAndStopOneEndsPlayback) {
    TuneImage tune;
    tune.Note(0, 0, 0, 13, 20);
    tune.Note(0, 3, 0, 13, 20);
    Ready(tune);
    PlayOneRow();
    audioSpy.calls.clear();
    player.Nuv_Stop(0);
    auto stops = audioSpy.Calls("stop");
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].channel, 31);
    EXPECT_EQ(stops[1].channel, 28);
    EXPECT_EQ(player.playState, 2);
    player.Nuv_Stop(0);
    EXPECT_EQ(audioSpy.Calls("stop").size(), 2u);  // nothing is sounding any more
    player.Nuv_Stop(1);
    EXPECT_EQ(player.playState, 0);
}

TEST_F(PlaybackTest, EffectEightEndsTheBarAndLaterVoicesReadRowSixtyThree) {
    TuneImage tune;
    tune.Note(0, 0, 10, 13, 20, 8, 0);
    tune.Note(0, 2, 10, 15, 20);  // never played: voice 2 comes after voice 0
    tune.Note(0, 2, 63, 20, 20);
    Ready(tune);
    player.barsLeft = 4;
    for (int i = 0; i < 11; ++i) PlayOneRow();
    EXPECT_EQ(player.row, 0);
    EXPECT_FLOAT_EQ(LastLeadRate(), player.GetPitch(20));
    EXPECT_EQ(player.barsLeft, 3);
    EXPECT_EQ(player.chordQueue, u"qjj");
}

TEST_F(PlaybackTest, EffectTwentySevenMovesByBarParityAndNeverOffTheTune) {
    const struct {
        int from, amount, barsLeft, to;
    } cases[] = {
        {1, 1, 3, 2}, {1, 1, 2, 1},  // up on odd bars left only
        {1, 2, 2, 0}, {1, 2, 3, 1},  // down on even bars left only
        {0, 2, 2, 0}, {62, 1, 1, 62},  // a move off either end is ignored
        {1, 3, 2, 1},
    };
    for (const auto& c : cases) {
        TuneImage tune;
        for (int p = 0; p < 63; ++p) tune.Note(p, 2, 0, 1 + p % 31, 20, 27, p == c.from ? c.amount : 1);
        Ready(tune);
        player.voicePattern[2] = c.from;
        player.barsLeft = c.barsLeft;
        audioSpy.calls.clear();
        PlayOneRow();
        EXPECT_EQ(player.voicePattern[2], c.to) << c.from << "/" << c.amount << "/" << c.barsLeft;
        // the moved-to cell is played, and its own 27 is not followed again
        EXPECT_FLOAT_EQ(LastLeadRate(), player.GetPitch(1 + c.to % 31)) << c.from << "/" << c.amount;
    }
}

TEST_F(PlaybackTest, BarEndsWalkTheChordQueueAndReseedFromTheTune) {
    TuneImage tune;
    Ready(tune, 100, 777);
    player.barsLeft = 10;
    const char16_t* queues[] = {u"qjj", u"jj", u"j"};
    for (const char16_t* q : queues) {
        PlayOneRow();
        rng::Seed = 42;  // the game drawing in between changes nothing after the bar end
        for (int i = 1; i < 64; ++i) PlayOneRow();
        EXPECT_EQ(player.chordQueue, q);
        Lcg lcg{777};
        lcg.Skip(16);
        EXPECT_EQ(rng::Seed, lcg.seed);
    }
    PlayBar();
    Lcg lcg{777};
    lcg.Skip(16);
    EXPECT_EQ(player.chordQueue, player.Nuv_GetChord(lcg.Rand(0, 4)));
    EXPECT_EQ(rng::Seed, lcg.seed);
    EXPECT_EQ(player.barsLeft, 6);
}

TEST_F(PlaybackTest, ChordLetterTransposesTheMelodicVoices) {
    TuneImage tune;
    tune.Note(0, 2, 0, 20, 20);
    Ready(tune);
    player.barsLeft = 10;
    PlayOneRow();
    EXPECT_FLOAT_EQ(LastLeadRate(), player.GetPitch(20));
    for (int bar = 0; bar < 2; ++bar) PlayBar();  // "qqjj" -> "jj"
    PlayOneRow();
    EXPECT_FLOAT_EQ(LastLeadRate(), player.GetPitch(20) * 0.891f);
}

TEST_F(PlaybackTest, SectionChangeRedrawsPatternsAndMutesFromTheSeed) {
    TuneImage tune;
    for (int p = 0; p < 4; ++p)
        for (int t = 0; t < 5; ++t) tune.Note(p, t, 5, 13, 20);
    const int seed = 31337;
    Ready(tune, 100, seed);
    int mutedNext[5];
    for (int v = 0; v < 5; ++v) mutedNext[v] = player.voiceMutedNext[v];
    player.barsLeft = 1;
    PlayBar();
    Lcg lcg{static_cast<std::uint32_t>(seed)};
    lcg.Skip(11);
    EXPECT_EQ(player.barsLeft, lcg.Rand(1, 2) * 2);
    EXPECT_EQ(player.section, 1);
    int muted[5];
    for (int v = 0; v < 5; ++v) {
        lcg.seed = static_cast<std::uint32_t>(9 + seed + 7 * v);
        lcg.Skip(11);
        EXPECT_EQ(player.voicePattern[v], lcg.Rand(0, 3)) << v;
        muted[v] = mutedNext[v];
        EXPECT_EQ(player.voiceMutedNext[v], lcg.Rand(0, 1)) << v;
        EXPECT_EQ(player.voiceLeadIn[v], lcg.Rand(0, 1)) << v;
    }
    if (muted[0] && muted[1]) muted[0] = 0;
    for (int v = 0; v < 5; ++v) EXPECT_EQ(player.voiceMuted[v], muted[v]) << v;
    EXPECT_EQ(rng::Seed, lcg.seed);
}

}  // namespace
}  // namespace musictest
