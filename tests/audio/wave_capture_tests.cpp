// Listening test: OpenAL Soft's wave backend writes its real mix to a file, proving that volume, pan and rate set on
// channels reach the output. The backend is chosen when OpenAL starts, so the playing half runs in a child process
// (this program again, filtered to the child test) with its own configuration.
#include <AL/alc.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "audio/audio_device.h"
#include "temp_dir.h"
#include "wav_builder.h"

namespace {

constexpr int kRate = 44100;
constexpr const char* kChildVar = "SKARNFELL_WAVE_CAPTURE";

std::string Sine(double hertz, int frames) {
    std::string pcm;
    for (int i = 0; i < frames; ++i) {
        pcm += wavbuild::Le16(static_cast<int>(std::lround(10000 * std::sin(2 * M_PI * hertz * i / kRate))) & 0xFFFF);
    }
    return pcm;
}

// Plays one 440 Hz tone on two channels: channel 0 full left at double rate, channel 1 full right at half volume.
TEST(WaveCaptureChild, Play) {
    if (!std::getenv(kChildVar)) GTEST_SKIP() << "runs only inside WaveCapture.VolumePanAndRateReachTheMix";
    ALCdevice* dev = alcOpenDevice(nullptr);
    ASSERT_NE(dev, nullptr);
    ALCcontext* ctx = alcCreateContext(dev, nullptr);
    alcMakeContextCurrent(ctx);
    {
        TempDir dir;
        gxtkAudio audio;
        SamplePtr tone = audio.LoadSample(dir.Write("tone.wav", wavbuild::Wav({1, 1, kRate, 16}, Sine(440, kRate))));
        ASSERT_NE(tone, nullptr);
        audio.SetPan(0, -1);
        audio.SetRate(0, 2);
        audio.SetPan(1, 1);
        audio.SetVolume(1, 0.5f);
        audio.PlaySample(tone.get(), 0, 1);
        audio.PlaySample(tone.get(), 1, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the backend records in real time
        audio.StopChannel(0);
        audio.StopChannel(1);
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(ctx);
    alcCloseDevice(dev);  // finalises the capture's header
}

// Amplitude of one frequency in a run of samples (a single DFT bin).
double Amplitude(const std::vector<short>& s, int channel, double hertz, int from, int count) {
    double re = 0, im = 0;
    for (int i = 0; i < count; ++i) {
        const double v = s[(from + i) * 2 + channel];
        re += v * std::cos(2 * M_PI * hertz * i / kRate);
        im += v * std::sin(2 * M_PI * hertz * i / kRate);
    }
    return 2 * std::hypot(re, im) / count;
}

std::vector<short> CapturedFrames(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = bytes.find("data");
    if (at == std::string::npos) return {};
    std::vector<short> samples((bytes.size() - at - 8) / 2);
    std::memcpy(samples.data(), bytes.data() + at + 8, samples.size() * 2);
    return samples;
}

TEST(WaveCapture, VolumePanAndRateReachTheMix) {
    TempDir dir;
    const std::string capture = dir.Path("capture.wav");
    dir.Write("alsoft.conf", "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\nfrequency=44100\n"
                             "[wave]\nfile=" + capture + "\n");
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string cmd = "env -u ALSOFT_DRIVERS ALSOFT_CONF='" + dir.Path("alsoft.conf") + "' " + kChildVar +
                            "=1 '" + self + "' --gtest_filter=WaveCaptureChild.Play > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);

    const std::vector<short> s = CapturedFrames(capture);
    const int from = kRate / 10, count = kRate / 5;  // past the start, well before the stop
    ASSERT_GE(static_cast<int>(s.size()), (from + count) * 2);
    const double left880 = Amplitude(s, 0, 880, from, count), left440 = Amplitude(s, 0, 440, from, count);
    const double right880 = Amplitude(s, 1, 880, from, count), right440 = Amplitude(s, 1, 440, from, count);
    EXPECT_GT(left880, 1000);             // the doubled-rate tone, on the left
    EXPECT_LT(left440, left880 / 10);     // the other channel did not leak into it
    EXPECT_LT(right880, right440 / 10);
    EXPECT_NEAR(right440 / left880, 0.5, 0.1);  // half volume, same panning law
}

}  // namespace
