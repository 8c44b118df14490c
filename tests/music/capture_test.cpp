// Listening test: the real sequencer plays a small tune through OpenAL Soft's wave backend, in real time, and the
// recording must hold the drum hits and the pitched note at the rows the tune puts them on. The backend is chosen
// when OpenAL starts, so the playing half runs in a child process (this program again) with its own configuration.
#include <AL/alc.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "tests/music/music_fixture.h"

namespace musictest {
namespace {

constexpr int kRate = 44100;
constexpr int kRowMs = 80;     // tempo 100
constexpr double kToneHz = 882;  // exactly 50 samples a cycle, so the looped note has no seam
constexpr const char* kChildVar = "SKARNFELL_MUSIC_CAPTURE";

class SteadyClock : public app::Clock {
public:
    double Now() override { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }
    void Sleep(double seconds) override { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::string Le(unsigned v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string Wav16(const std::vector<int>& samples) {
    std::string pcm;
    for (int s : samples) pcm += Le(static_cast<unsigned>(s) & 0xFFFF, 2);
    std::string fmt = "fmt " + Le(16, 4) + Le(1, 2) + Le(1, 2) + Le(kRate, 4) + Le(kRate * 2, 4) + Le(2, 2) + Le(16, 2);
    std::string body = "WAVE" + fmt + "data" + Le(static_cast<unsigned>(pcm.size()), 4) + pcm;
    return "RIFF" + Le(static_cast<unsigned>(body.size()), 4) + body;
}

// A 50 ms burst of decaying noise: broadband, unlike the tone.
std::string NoiseHit() {
    std::vector<int> s(kRate / 20);
    std::uint32_t x = 1;
    for (size_t i = 0; i < s.size(); ++i) {
        x = x * 1103515245u + 12345u;
        s[i] = static_cast<int>((static_cast<int>(x >> 16 & 0x7FFF) - 16384) * 1.5 * (1.0 - double(i) / s.size()));
    }
    return Wav16(s);
}

std::string Tone() {
    std::vector<int> s(kRate);
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<int>(20000 * std::sin(2 * M_PI * kToneHz * i / kRate));
    return Wav16(s);
}

class CaptureChild : public MusicTest {};

TEST_F(CaptureChild, Play) {
    if (!std::getenv(kChildVar)) GTEST_SKIP() << "runs only inside MusicCapture.DrumsAndNotesLandOnTheirRows";
    ALCdevice* dev = alcOpenDevice(nullptr);
    ASSERT_NE(dev, nullptr);
    ALCcontext* ctx = alcCreateContext(dev, nullptr);
    alcMakeContextCurrent(ctx);
    {
        for (int kit = 1; kit <= 4; ++kit)
            for (int s = 1; s <= 8; ++s)
                WriteFile("data/inst/d" + std::to_string(kit) + "-" + std::to_string(s) + ".wav", NoiseHit());
        for (int n = 1; n <= 3; ++n) WriteFile("data/inst/lead" + std::to_string(n) + ".wav", Tone());
        TuneImage tune;
        for (int row : {0, 16}) tune.Note(0, 0, row, 13, 30);  // kick
        tune.Note(0, 2, 8, 13, 30);                              // the lead's C, at rate 1.0
        tune.Note(0, 2, 12, 0, 31);                              // and silence four rows later
        WriteTune("T/cap", tune);

        SteadyClock steady;
        audio::SetAudioDevice(device->AudioDevice());  // the real device this time
        device->clock = &steady;
        player.Nuv_Init(32, 4, 3, 3, 4);
        testing::internal::CaptureStdout();
        player.Nuv_StartTune(u"T/cap", 7, 100);
        while (player.loadStep > 0) player.Nuv_LoadChunk();
        testing::internal::GetCapturedStdout();
        for (int v = 0; v < 5; ++v) player.voiceMuted[v] = player.voiceMutedNext[v] = 0;
        const int start = app::Millisecs();
        // The first row falls due 100 ms after loading and the analysis reads up to row 24 past the first hit, so
        // play well beyond that.
        while (app::Millisecs() - start < 34 * kRowMs) {
            player.Nuv_Alive_U(0, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        player.Nuv_Stop(1);
        audio::SetAudioDevice(&audioSpy);
        device->clock = &clock;
        for (auto& chan : device->AudioDevice()->channels) chan.sample.reset();
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(ctx);
    alcCloseDevice(dev);  // finalises the capture's header
}

// Left plus right, from the data chunk of the capture.
std::vector<double> CapturedMono(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = bytes.find("data");
    if (at == std::string::npos) return {};
    std::vector<short> s((bytes.size() - at - 8) / 2);
    std::memcpy(s.data(), bytes.data() + at + 8, s.size() * 2);
    std::vector<double> mono(s.size() / 2);
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = s[2 * i] + s[2 * i + 1];
    return mono;
}

// Energy of the second differences in a window: high for the noise hits, nearly nothing for the tone.
double Roughness(const std::vector<double>& s, int from, int count) {
    double e = 0;
    for (int i = from + 2; i < from + count; ++i) {
        double d = s[i] - 2 * s[i - 1] + s[i - 2];
        e += d * d;
    }
    return std::sqrt(e / count);
}

double ToneAmplitude(const std::vector<double>& s, int from, int count) {
    double re = 0, im = 0;
    for (int i = 0; i < count; ++i) {
        re += s[from + i] * std::cos(2 * M_PI * kToneHz * i / kRate);
        im += s[from + i] * std::sin(2 * M_PI * kToneHz * i / kRate);
    }
    return 2 * std::hypot(re, im) / count;
}

TEST(MusicCapture, DrumsAndNotesLandOnTheirRows) {
    char dirPattern[] = "/tmp/skarnfell-capture-XXXXXX";
    ASSERT_NE(mkdtemp(dirPattern), nullptr);
    const std::string dir = dirPattern, capture = dir + "/capture.wav", conf = dir + "/alsoft.conf";
    std::ofstream(conf) << "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\nfrequency=44100\n"
                           "[wave]\nfile=" << capture << "\n";
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string cmd = "env -u ALSOFT_DRIVERS ALSOFT_CONF='" + conf + "' " + kChildVar + "=1 '" + self +
                            "' --gtest_filter=CaptureChild.Play > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::vector<double> s = CapturedMono(capture);
    std::filesystem::remove_all(dir);
    ASSERT_GT(s.size(), static_cast<size_t>(kRate));

    const int window = kRate / 200;  // 5 ms
    const int windows = static_cast<int>(s.size()) / window - 1;
    std::vector<double> rough(windows), tone(windows);
    for (int w = 0; w < windows; ++w) rough[w] = Roughness(s, w * window, window);
    const int toneWindow = kRate / 50;  // 20 ms, enough to separate the tone from the hits
    for (int w = 0; w + 4 < windows; ++w) tone[w] = ToneAmplitude(s, w * window, toneWindow);

    // The first hit starts the clock of the analysis; everything else is placed relative to it.
    const double roughPeak = *std::max_element(rough.begin(), rough.end());
    int first = 0;
    while (first < windows && rough[first] < roughPeak / 4) ++first;
    ASSERT_LT(first, windows);
    auto at = [&](int row) { return first + row * kRowMs / 5; };  // rows to 5 ms windows
    const double tonePeak = *std::max_element(tone.begin(), tone.end());
    ASSERT_GT(tonePeak, 2000);

    // OpenAL starts and changes sources at its mixing periods, so onsets may come a few tens of ms late.
    const int slack = 8;  // 40 ms
    // The checks below read up to row 24 plus the slack: a capture that ends sooner fails here instead of reading
    // past its end.
    ASSERT_LT(at(24) + slack, windows) << "the capture ends before row 24";
    auto onset = [&](const std::vector<double>& v, int from, double level) {
        while (from < windows && v[from] < level) ++from;
        return from;
    };
    auto roughNear = [&](int w) { return *std::max_element(rough.begin() + w - slack, rough.begin() + w + slack); };
    EXPECT_NEAR(onset(rough, at(12), roughPeak / 4), at(16), slack) << "the second kick, 16 rows after the first";
    EXPECT_LT(roughNear(at(8)), roughPeak / 8) << "no hit at row 8";
    EXPECT_LT(roughNear(at(24)), roughPeak / 8) << "no hit at row 24";
    // The note: absent before row 8, sounding from row 8, gone after the volume-31 row 12.
    EXPECT_LT(tone[at(6)], tonePeak / 10);
    EXPECT_NEAR(onset(tone, at(6), tonePeak / 2), at(8), slack);
    EXPECT_GT(tone[at(12) - slack], tonePeak / 2);
    EXPECT_LT(tone[at(13) + slack], tonePeak / 10);
}

}  // namespace
}  // namespace musictest
