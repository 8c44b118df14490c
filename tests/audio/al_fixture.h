#pragma once
// A real OpenAL Soft device for device tests: the silent null backend, which still mixes in real time, so one-shot
// samples really end. Each test gets a fresh gxtkAudio; its sources are deleted afterwards, because the backend
// only has a few hundred of them.
#include <AL/al.h>
#include <AL/alc.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "audio/audio_device.h"
#include "temp_dir.h"
#include "wav_builder.h"

class OpenALTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("ALSOFT_DRIVERS", "null", 0);
        alDevice = alcOpenDevice(nullptr);
        ASSERT_NE(alDevice, nullptr);
        alContext = alcCreateContext(alDevice, nullptr);
        ASSERT_TRUE(alcMakeContextCurrent(alContext));
    }
    static void TearDownTestSuite() {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(alContext);
        alcCloseDevice(alDevice);
    }
    void SetUp() override {
        audio = std::make_unique<gxtkAudio>();
        // A test that failed may have left buffers behind; they must not fail the next one too.
        FlushDiscarded(audio.get());
        discarded.clear();
        alGetError();
    }
    void TearDown() override {
        for (auto& chan : audio->channels) {
            if (chan.source != 0) alDeleteSources(1, &chan.source);
        }
        audio.reset();
        FlushDiscarded(&spare);
    }

    // 16-bit mono at 8 kHz: 40 frames end within one mixer period, 8000 would take a second.
    SamplePtr Load(int frames, const std::string& name = "s.wav") {
        return audio->LoadSample(dir.Write(name, wavbuild::Wav(wavbuild::Fmt{}, wavbuild::Pcm(frames * 2))));
    }

    static ALint SourceState(const gxtkChannel& chan) {
        ALint state = 0;
        alGetSourcei(chan.source, AL_SOURCE_STATE, &state);
        return state;
    }

    template <class Pred>
    static bool WaitFor(Pred done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    static inline ALCdevice* alDevice = nullptr;
    static inline ALCcontext* alContext = nullptr;
    TempDir dir;
    gxtkAudio spare;  // an all-idle device for the final flush
    std::unique_ptr<gxtkAudio> audio;
};
