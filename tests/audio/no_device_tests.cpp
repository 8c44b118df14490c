// With no OpenAL device or context the game must go on silently: every call is a no-op, nothing is printed.
#include <AL/alc.h>
#include <gtest/gtest.h>

#include "audio/audio_device.h"
#include "temp_dir.h"
#include "wav_builder.h"

namespace {

TEST(NoAudioDevice, EveryOperationIsSilent) {
    ASSERT_EQ(alcGetCurrentContext(), nullptr);
    discarded.clear();  // names from device tests run earlier mean nothing here
    TempDir dir;
    const String path = dir.Write("s.wav", wavbuild::Wav(wavbuild::Fmt{}, wavbuild::Pcm(80)));
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    {
        gxtkAudio audio;
        audio::SetAudioDevice(&audio);
        SoundPtr sound = audio::LoadSound(path);
        ASSERT_NE(sound, nullptr);  // the game keeps its slots filled; they just play nothing
        audio::SetChannelVolume(0, 0.5f);
        audio::SetChannelPan(0, -1);
        audio::SetChannelRate(0, 2);
        audio::PlaySound(sound.get(), 0, 1);
        audio.PauseChannel(0);
        audio.ResumeChannel(0);
        audio.OnSuspend();
        audio.OnResume();
        EXPECT_EQ(audio.ChannelState(0), 0);  // nothing is playing, whatever was asked
        EXPECT_EQ(audio.PlayMusic(path, 1), 0);
        audio.StopMusic();
        sound->sample->Discard();
        sound.reset();
        audio.LoadSample(path);
        EXPECT_TRUE(discarded.empty());
        audio::SetAudioDevice(nullptr);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

}  // namespace
