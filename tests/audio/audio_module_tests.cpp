// The audio module forwards to the published device.
#include "al_fixture.h"

namespace {

class Module : public OpenALTest {
protected:
    void SetUp() override {
        OpenALTest::SetUp();
        audio::SetAudioDevice(audio.get());
    }
    void TearDown() override {
        audio::SetAudioDevice(nullptr);
        OpenALTest::TearDown();
    }
};

TEST_F(Module, LoadPlayAndSetChannel) {
    EXPECT_EQ(audio::LoadSound(FromAscii(dir.Path("missing.wav"))), nullptr);
    SoundPtr sound = audio::LoadSound(dir.Write("s.wav", wavbuild::Wav(wavbuild::Fmt{}, wavbuild::Pcm(80))));
    ASSERT_NE(sound, nullptr);
    ASSERT_NE(sound->sample, nullptr);
    EXPECT_NE(sound->sample->buffer, 0u);

    audio::SetChannelVolume(20, 0.5f);
    audio::SetChannelPan(20, 1.0f);
    audio::SetChannelRate(20, 2.0f);
    audio::PlaySound(sound.get(), 20, 1);
    const gxtkChannel& chan = audio->channels[20];
    EXPECT_EQ(chan.state, 1);
    EXPECT_EQ(chan.sample, sound->sample);
    ALfloat gain = 0, pitch = 0, pos[3] = {0, 0, 0};
    alGetSourcef(chan.source, AL_GAIN, &gain);
    alGetSourcef(chan.source, AL_PITCH, &pitch);
    alGetSourcefv(chan.source, AL_POSITION, pos);
    EXPECT_FLOAT_EQ(gain, 0.5f);
    EXPECT_FLOAT_EQ(pitch, 2.0f);
    EXPECT_FLOAT_EQ(pos[0], 1.0f);

    audio::StopChannel(20);
    EXPECT_EQ(chan.state, 0);
}

TEST_F(Module, SoundWithoutSampleIsIgnored) {
    Sound empty;
    audio::PlaySound(&empty, 3, 0);
    audio::PlaySound(nullptr, 3, 0);
    EXPECT_EQ(audio->channels[3].state, 0);
    EXPECT_EQ(audio->channels[3].source, 0u);
}

}  // namespace
