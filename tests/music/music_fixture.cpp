#include "tests/music/music_fixture.h"

#include <stb/stb_image_write.h>
#include <unistd.h>

#include <fstream>

#include "app/paths.h"
#include "app/random.h"
#include "graphics/graphics.h"

namespace musictest {

SamplePtr RecordingAudio::LoadSample(const String& path) {
    loaded.push_back(ToNarrow(path));
    // A sample object without an OpenAL buffer: these tests look at channel calls, not at sound.
    std::FILE* file = fopenFile(path, u"rb");
    if (!file) return nullptr;
    std::fclose(file);
    return std::make_shared<gxtkSample>();
}

int RecordingAudio::PlaySample(gxtkSample* sample, int channel, int flags) {
    calls.push_back({"play", channel, static_cast<float>(flags), sample});
    return 0;
}
int RecordingAudio::StopChannel(int channel) {
    calls.push_back({"stop", channel, 0, nullptr});
    return 0;
}
int RecordingAudio::SetVolume(int channel, float volume) {
    calls.push_back({"volume", channel, volume, nullptr});
    return 0;
}
int RecordingAudio::SetPan(int channel, float pan) {
    calls.push_back({"pan", channel, pan, nullptr});
    return 0;
}
int RecordingAudio::SetRate(int channel, float rate) {
    calls.push_back({"rate", channel, rate, nullptr});
    return 0;
}

std::vector<AudioCall> RecordingAudio::Calls(const std::string& op) const {
    std::vector<AudioCall> out;
    for (const AudioCall& c : calls)
        if (c.op == op) out.push_back(c);
    return out;
}

int DecodingGraphics::Cls(float r, float g, float b) {
    clears.push_back(std::to_string(static_cast<int>(r)) + "," + std::to_string(static_cast<int>(g)) + "," +
                     std::to_string(static_cast<int>(b)));
    return 0;
}

void MusicTest::SetUp() {
    previousDir = std::filesystem::current_path();
    char pattern[] = "/tmp/skarnfell-music-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch = pattern;
    std::filesystem::current_path(scratch);
    device = std::make_unique<AppDevice>(&game);
    device->clock = &clock;
    graphics::context = &context;
    graphics::SetGraphicsDevice(&graphicsSpy);
    graphics::renderDevice = &graphicsSpy;
    audio::SetAudioDevice(&audioSpy);
    rng::Seed = 1234;
    SetMillis(1000);
}

void MusicTest::TearDown() {
    graphics::renderDevice = nullptr;
    graphics::SetGraphicsDevice(nullptr);
    graphics::context = nullptr;
    audio::SetAudioDevice(nullptr);
    device.reset();
    std::filesystem::current_path(previousDir);
    std::filesystem::remove_all(scratch);
}

void MusicTest::WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void MusicTest::WriteTune(const std::string& name, TuneImage& tune, int blueOffset, int side) {
    std::vector<unsigned char> rgba(side * side * 4, 0);
    for (int f = 0; f < 64; ++f) {
        int fx = f % (side / 64) * 64, fy = f / (side / 64) * 64;
        if (fy + 64 > side) break;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                unsigned char* p = &rgba[((fy + y) * side + fx + x) * 4];
                p[0] = 200;  // red and green must not leak into the cells
                p[1] = 100;
                p[2] = static_cast<unsigned char>(tune.At(f, x / 8, y, x % 8) * 8 + blueOffset);
                p[3] = 255;
            }
    }
    std::string path = "data/tunes/" + name + ".png";
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(stbi_write_png(path.c_str(), side, side, 4, rgba.data(), side * 4));
}

namespace {
std::string Le(unsigned v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}
std::string TinyWav() {
    std::string pcm(64, '\x80');
    std::string fmt = "fmt " + Le(16, 4) + Le(1, 2) + Le(1, 2) + Le(8000, 4) + Le(8000, 4) + Le(1, 2) + Le(8, 2);
    std::string body = "WAVE" + fmt + "data" + Le(static_cast<unsigned>(pcm.size()), 4) + pcm;
    return "RIFF" + Le(static_cast<unsigned>(body.size()), 4) + body;
}
}  // namespace

void MusicTest::WriteInstruments() {
    const std::string wav = TinyWav();
    for (int kit = 1; kit <= 4; ++kit)
        for (int s = 1; s <= 8; ++s) WriteFile("data/inst/d" + std::to_string(kit) + "-" + std::to_string(s) + ".wav", wav);
    for (int n = 1; n <= 4; ++n) {
        WriteFile("data/inst/lead" + std::to_string(n) + ".wav", wav);
        WriteFile("data/inst/accompany" + std::to_string(n) + ".wav", wav);
        WriteFile("data/inst/bass" + std::to_string(n) + ".wav", wav);
    }
}

void MusicTest::StartLoaded(const std::string& name, int seed, int tempo) {
    player.Nuv_Init(32, 4, 3, 3, 4);
    testing::internal::CaptureStdout();
    player.Nuv_StartTune(FromAscii(name), seed, tempo);
    while (player.loadStep > 0) player.Nuv_LoadChunk();
    testing::internal::GetCapturedStdout();
    audioSpy.calls.clear();
}

void MusicTest::PlayOneRow() {
    SetMillis(player.nextRowTime + 1);
    player.Nuv_MusicPlay();
}

}  // namespace musictest
