// One cell of one voice: channels, drum kits and pans, melodic triggers, the volume envelope's worked numbers,
// slides and their limits, muting and the lead-in.
#include <gtest/gtest.h>

#include "tests/music/music_fixture.h"

namespace musictest {
namespace {

class NoteTest : public MusicTest {
protected:
    void SetUp() override {
        MusicTest::SetUp();
        WriteInstruments();
        TuneImage tune;
        WriteTune("T/n", tune);
        StartLoaded("T/n", 5, 100);
        for (int v = 0; v < 5; ++v) player.voiceMuted[v] = 0;
        player.barsLeft = 4;
        player.row = 0;
    }
    // Volumes sent to a channel by one call.
    std::vector<float> Volumes(int channel) {
        std::vector<float> out;
        for (const AudioCall& c : audioSpy.Calls("volume"))
            if (c.channel == channel) out.push_back(c.value);
        return out;
    }
    // Plays a cell and returns the volumes it sent to the channel.
    std::vector<float> Cell(int voice, int note, int volume, int effect = 0, int amount = 0) {
        audioSpy.calls.clear();
        player.Nuv_PlayNote(voice, note, volume, effect, amount);
        return Volumes(31 - voice);
    }
};

TEST_F(NoteTest, DrumKitsPlayOnceOnTheirChannelsAndPans) {
    const struct {
        int voice, note, slot, channel;
        float pan;
    } cases[] = {{0, 13, 1, 31, -0.35f}, {0, 25, 8, 31, -0.35f}, {1, 17, 3, 30, 0.35f}, {1, 22, 6, 30, 0.35f}};
    for (const auto& c : cases) {
        Cell(c.voice, c.note, 20);
        auto plays = audioSpy.Calls("play");
        ASSERT_EQ(plays.size(), 1u) << c.note;
        const auto& kit = c.voice == 0 ? player.drumKitA : player.drumKitB;
        EXPECT_EQ(plays[0].sample, kit[c.slot]->sample.get()) << c.note;
        EXPECT_EQ(plays[0].channel, c.channel);
        EXPECT_EQ(plays[0].value, 0);  // once, not looped
        ASSERT_EQ(audioSpy.Calls("pan").size(), 1u);
        EXPECT_FLOAT_EQ(audioSpy.Calls("pan")[0].value, c.pan);
        EXPECT_EQ(audioSpy.calls[0].op, "stop");
    }
    Cell(0, 14, 20);  // not a kit note: only cuts the voice
    EXPECT_EQ(audioSpy.Calls("stop").size(), 1u);
    EXPECT_TRUE(audioSpy.Calls("play").empty());
}

TEST_F(NoteTest, MelodicNotesLoopAtTheirPitchTimesTheChord) {
    player.chordQueue = u"bqq";
    Cell(4, 20, 20);
    auto rates = audioSpy.Calls("rate");
    ASSERT_EQ(rates.size(), 1u);
    EXPECT_EQ(rates[0].channel, 27);
    EXPECT_FLOAT_EQ(rates[0].value, 1.498f * 0.749f);
    auto plays = audioSpy.Calls("play");
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].sample, player.voiceInstrument[4]->sample.get());
    EXPECT_EQ(plays[0].value, 1);  // looped
    EXPECT_EQ(player.voiceSounding[4], 1);
    player.chordQueue.clear();  // an empty queue means no transposition
    Cell(2, 20, 20);
    EXPECT_FLOAT_EQ(audioSpy.Calls("rate")[0].value, 1.498f);
}

TEST_F(NoteTest, ChannelsCountDownFromBelowTheTopChannel) {
    for (int v = 0; v < 5; ++v) player.voiceChannel[v] = 0;
    Cell(3, 13, 20);
    for (int v = 0; v < 5; ++v) EXPECT_EQ(player.voiceChannel[v], 31 - v);
    player.topChannel = 3;  // voices 2 to 4 land on channels 0 and below and never sound
    Cell(2, 13, 20);
    Cell(3, 13, 20, 1, 10);
    EXPECT_TRUE(audioSpy.calls.empty());
}

// The worked numbers: a note holds its level for four more rows, then each row scales it by the envelope
// (0.9999999, 0.9, 0.8, ...) until it reaches 0 about fifteen rows after the note.
TEST_F(NoteTest, EnvelopeHoldsThenFades) {
    EXPECT_EQ(Cell(2, 13, 30), std::vector<float>{0.4f});
    for (int r = 1; r <= 4; ++r) EXPECT_TRUE(Cell(2, 0, 0).empty()) << r;
    float expected = 0.4f;
    const float factors[] = {0.9999999f, 0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f};
    for (float f : factors) {
        expected *= f;
        auto v = Cell(2, 0, 0);
        ASSERT_EQ(v.size(), 1u);
        EXPECT_NEAR(v[0], expected, 0.4f * 1e-5f) << f;
    }
    auto last = Cell(2, 0, 0);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_NEAR(last[0], 0.0f, 1e-6f);
    EXPECT_EQ(Cell(2, 0, 0), std::vector<float>{0.0f});
}

TEST_F(NoteTest, VolumeValuesSetTheLevelAndRestartTheEnvelope) {
    EXPECT_EQ(Cell(3, 0, 16), std::vector<float>{0.4f * (15.0f / 29.0f)});
    EXPECT_FLOAT_EQ(player.voiceEnvelope[3], 1.4f);
    EXPECT_EQ(Cell(3, 0, 31), std::vector<float>{0.0f});  // silence at once
    EXPECT_FLOAT_EQ(player.voiceVolume[3], 0.0f);
    EXPECT_EQ(Cell(3, 0, 1), std::vector<float>{0.0f});
    EXPECT_FLOAT_EQ(player.voiceEnvelope[3], 1.4f);
}

TEST_F(NoteTest, AVoiceIsSilentUntilGivenAVolume) {
    NuvPlayer fresh;
    fresh.Nuv_Init(32, 4, 3, 3, 4);
    fresh.chordQueue = u"q";
    fresh.voiceInstrument[2] = player.voiceInstrument[2];
    audioSpy.calls.clear();
    fresh.Nuv_PlayNote(2, 13, 0, 0, 0);
    EXPECT_EQ(Volumes(29), std::vector<float>{0.0f});
    EXPECT_EQ(audioSpy.Calls("play").size(), 1u);  // the note starts, unheard
}

TEST_F(NoteTest, ADrumHitWithoutVolumeHoldsAboutThirtyRows) {
    Cell(0, 13, 20);
    for (int r = 0; r < 20; ++r) Cell(0, 0, 0);  // let it fade out completely
    Cell(0, 13, 30);
    Cell(0, 13, 0);
    int held = 0;
    while (Cell(0, 0, 0).empty() && held < 100) ++held;
    EXPECT_GE(held, 29);
    EXPECT_LE(held, 31);
}

TEST_F(NoteTest, SlidesMoveTheRateWithinLimits) {
    const struct {
        int effect, amount, times;
        float rate;
    } cases[] = {{1, 18, 1, 1.1f}, {2, 18, 1, 0.9f}, {3, 15, 2, 3.0f}, {4, 3, 1, 0.8f},
                 {3, 31, 5, 4.0f}, {4, 31, 5, 0.25f}, {1, 31, 200, 4.0f}, {2, 31, 200, 0.25f}};
    for (const auto& c : cases) {
        Cell(2, 13, 20);
        for (int i = 0; i < c.times; ++i) Cell(2, 0, 0, c.effect, c.amount);
        auto rates = audioSpy.Calls("rate");
        ASSERT_EQ(rates.size(), 1u);
        EXPECT_NEAR(rates[0].value, c.rate, 1e-5) << c.effect << "/" << c.amount << "x" << c.times;
    }
    Cell(2, 0, 0, 5, 10);
    EXPECT_TRUE(audioSpy.Calls("rate").empty());
}

TEST_F(NoteTest, DrumSlidesStartFromOneAfterEachHit) {
    Cell(1, 15, 20, 1, 18);
    ASSERT_EQ(audioSpy.Calls("rate").size(), 1u);
    EXPECT_FLOAT_EQ(audioSpy.Calls("rate")[0].value, 1.1f);
    Cell(1, 15, 20);
    EXPECT_TRUE(audioSpy.Calls("rate").empty());  // the channel keeps 1.1 until a slide says otherwise
    EXPECT_FLOAT_EQ(player.voiceRate[1], 1.0f);
    Cell(1, 0, 0, 2, 18);
    EXPECT_FLOAT_EQ(audioSpy.Calls("rate")[0].value, 0.9f);
}

TEST_F(NoteTest, MutedVoicesTriggerNothingButKeepFading) {
    Cell(3, 13, 30);
    player.voiceMuted[3] = 1;
    Cell(3, 15, 30, 1, 10);
    EXPECT_TRUE(audioSpy.Calls("play").empty());
    EXPECT_TRUE(audioSpy.Calls("stop").empty());
    EXPECT_TRUE(audioSpy.Calls("rate").empty());
    int rowsToFade = 0;
    while (Cell(3, 0, 0).empty() && rowsToFade < 20) ++rowsToFade;
    EXPECT_EQ(rowsToFade, 3);  // the envelope ran on from the unmuted note
    player.voiceMuted[0] = 1;
    Cell(0, 13, 20);
    EXPECT_TRUE(audioSpy.Calls("play").empty());
}

TEST_F(NoteTest, AVoiceJoiningNextSectionMayEnterInTheLastEightRows) {
    const struct {
        int barsLeft, row, leadIn, mutedNext;
        bool plays;
    } cases[] = {{1, 56, 1, 0, true}, {1, 63, 1, 0, true}, {0, 60, 1, 0, true}, {1, 55, 1, 0, false},
                 {2, 60, 1, 0, false}, {1, 60, 0, 0, false}, {1, 60, 1, 1, false}};
    for (const auto& c : cases) {
        player.voiceMuted[2] = 1;
        player.barsLeft = c.barsLeft;
        player.row = c.row;
        player.voiceLeadIn[2] = c.leadIn;
        player.voiceMutedNext[2] = c.mutedNext;
        Cell(2, 13, 20);
        EXPECT_EQ(audioSpy.Calls("play").size(), c.plays ? 1u : 0u)
            << c.barsLeft << " " << c.row << " " << c.leadIn << " " << c.mutedNext;
    }
}

}  // namespace
}  // namespace musictest
