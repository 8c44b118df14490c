// The channel state machine against OpenAL Soft's null backend.
#include <climits>

#include "al_fixture.h"

namespace {

using Channels = OpenALTest;

TEST_F(Channels, FinishedOneShotIsFoundIdleWhileLoopKeepsPlaying) {
    SamplePtr s = Load(40);
    audio->PlaySample(s.get(), 3, 0);
    audio->PlaySample(s.get(), 4, 1);
    EXPECT_EQ(audio->ChannelState(3), 1);
    ASSERT_TRUE(WaitFor([&] { return audio->ChannelState(3) == 0; }));
    EXPECT_EQ(audio->channels[3].state, 0);
    EXPECT_EQ(audio->ChannelState(4), 1);
    EXPECT_EQ(SourceState(audio->channels[4]), AL_PLAYING);
}

TEST_F(Channels, AnyNonZeroFlagsLoop) {
    SamplePtr s = Load(40);
    for (int flags : {0, 1, 2, -1, INT_MIN}) {
        audio->PlaySample(s.get(), 5, flags);
        ALint looping = -1;
        alGetSourcei(audio->channels[5].source, AL_LOOPING, &looping);
        EXPECT_EQ(looping, flags != 0 ? AL_TRUE : AL_FALSE) << "flags " << flags;
        EXPECT_EQ(audio->channels[5].flags, flags);
    }
}

TEST_F(Channels, PauseResumeStop) {
    SamplePtr s = Load(40);
    audio->PlaySample(s.get(), 0, 1);
    audio->PauseChannel(0);
    EXPECT_EQ(audio->ChannelState(0), 2);
    EXPECT_EQ(SourceState(audio->channels[0]), AL_PAUSED);
    audio->ResumeChannel(0);
    EXPECT_EQ(audio->ChannelState(0), 1);
    EXPECT_EQ(SourceState(audio->channels[0]), AL_PLAYING);
    audio->PauseChannel(0);
    audio->StopChannel(0);
    EXPECT_EQ(audio->ChannelState(0), 0);
    EXPECT_EQ(SourceState(audio->channels[0]), AL_STOPPED);
    audio->ResumeChannel(0);  // stopped is not paused
    EXPECT_EQ(SourceState(audio->channels[0]), AL_STOPPED);
}

TEST_F(Channels, PauseAfterTheEndLeavesIdle) {
    SamplePtr s = Load(40);
    audio->PlaySample(s.get(), 7, 0);
    ASSERT_TRUE(WaitFor([&] { return SourceState(audio->channels[7]) == AL_STOPPED; }));
    EXPECT_EQ(audio->channels[7].state, 1);  // nobody has asked yet
    audio->PauseChannel(7);
    EXPECT_EQ(audio->channels[7].state, 0);
    audio->ResumeChannel(7);
    EXPECT_EQ(audio->channels[7].state, 0);
    EXPECT_EQ(SourceState(audio->channels[7]), AL_STOPPED);
}

TEST_F(Channels, PlayRestartsAnyStateWithTheNewSample) {
    SamplePtr a = Load(40, "a.wav");
    SamplePtr b = Load(40, "b.wav");
    audio->PlaySample(a.get(), 9, 1);
    audio->PauseChannel(9);
    audio->PlaySample(b.get(), 9, 1);
    EXPECT_EQ(audio->ChannelState(9), 1);
    EXPECT_EQ(SourceState(audio->channels[9]), AL_PLAYING);
    EXPECT_EQ(audio->channels[9].sample, b);
    ALint buffer = 0;
    alGetSourcei(audio->channels[9].source, AL_BUFFER, &buffer);
    EXPECT_EQ(static_cast<unsigned>(buffer), b->buffer);
}

TEST_F(Channels, IdleOperationsCreateNoSource) {
    audio->StopChannel(11);
    audio->ResumeChannel(11);
    audio->PauseChannel(11);
    EXPECT_EQ(audio->ChannelState(11), 0);
    audio->StopMusic();
    audio->ResumeMusic();
    EXPECT_EQ(audio->MusicState(), 0);
    for (const auto& chan : audio->channels) EXPECT_EQ(chan.source, 0u);
}

struct SetterCase {
    const char* name;
    int (gxtkAudio::*set)(int, float);
    ALenum param;
    float value;
};

class Setters : public OpenALTest, public ::testing::WithParamInterface<SetterCase> {};

// Setters create the source on an idle channel, leave the state alone, and the value outlives later plays.
TEST_P(Setters, CreateSourceAndPersistAcrossPlays) {
    const SetterCase& c = GetParam();
    (audio.get()->*c.set)(12, c.value);
    const unsigned source = audio->channels[12].source;
    ASSERT_NE(source, 0u);
    EXPECT_TRUE(alIsSource(source));
    EXPECT_EQ(audio->channels[12].state, 0);
    SamplePtr s = Load(40);
    audio->PlaySample(s.get(), 12, 1);
    EXPECT_EQ(audio->channels[12].source, source);
    ALfloat v[3] = {0, 0, 0};
    alGetSourcefv(source, c.param, v);
    EXPECT_FLOAT_EQ(v[0], c.value);
}

INSTANTIATE_TEST_SUITE_P(Channels, Setters,
                         ::testing::Values(SetterCase{"Volume", &gxtkAudio::SetVolume, AL_GAIN, 0.25f},
                                           SetterCase{"Pan", &gxtkAudio::SetPan, AL_POSITION, -0.75f},
                                           SetterCase{"Rate", &gxtkAudio::SetRate, AL_PITCH, 1.5f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Channels, OutOfRangeChannelsAreIgnored) {
    SamplePtr s = Load(40);
    for (int bad : {-1, 33, 1000, INT_MIN}) {
        audio->PlaySample(s.get(), bad, 1);
        audio->SetVolume(bad, 0.5f);
        audio->SetPan(bad, 1);
        audio->SetRate(bad, 2);
        audio->PauseChannel(bad);
        audio->ResumeChannel(bad);
        audio->StopChannel(bad);
        EXPECT_EQ(audio->ChannelState(bad), 0);
    }
    for (const auto& chan : audio->channels) {
        EXPECT_EQ(chan.source, 0u);
        EXPECT_EQ(chan.state, 0);
        EXPECT_EQ(chan.sample, nullptr);
    }
}

// The game's own pause (state 2) must survive a suspend and resume; suspension only holds playing sources.
TEST_F(Channels, SuspendResumeLeavesGamePausedChannelsPaused) {
    SamplePtr s = Load(40);
    audio->PlaySample(s.get(), 1, 1);
    audio->PlaySample(s.get(), 2, 1);
    audio->PauseChannel(2);
    audio->OnSuspend();
    EXPECT_EQ(SourceState(audio->channels[1]), AL_PAUSED);
    EXPECT_EQ(audio->channels[1].state, 1);
    EXPECT_EQ(audio->ChannelState(1), 1);
    audio->OnResume();
    EXPECT_EQ(SourceState(audio->channels[1]), AL_PLAYING);
    EXPECT_EQ(SourceState(audio->channels[2]), AL_PAUSED);
    EXPECT_EQ(audio->channels[2].state, 2);
}

TEST_F(Channels, MusicUsesChannel32) {
    EXPECT_EQ(audio->PlayMusic(FromAscii(dir.Path("missing.wav")), 1), -1);
    EXPECT_EQ(audio->PlayMusic(dir.Write("m.wav", wavbuild::Wav(wavbuild::Fmt{}, wavbuild::Pcm(80))), 1), 0);
    EXPECT_EQ(audio->MusicState(), 1);
    EXPECT_EQ(audio->channels[32].state, 1);
    audio->SetMusicVolume(0.5f);
    ALfloat gain = 0;
    alGetSourcef(audio->channels[32].source, AL_GAIN, &gain);
    EXPECT_FLOAT_EQ(gain, 0.5f);
    audio->PauseMusic();
    EXPECT_EQ(audio->MusicState(), 2);
    audio->ResumeMusic();
    EXPECT_EQ(audio->MusicState(), 1);
    audio->StopMusic();
    EXPECT_EQ(audio->MusicState(), 0);
}

}  // namespace
