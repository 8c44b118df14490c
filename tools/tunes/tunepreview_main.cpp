// skarnfell_tunepreview <name> <tempo> <seed> <seconds>: plays a tune from ./data with the game's sequencer in real
// time on the default OpenAL device (point ALSOFT_CONF at a wave-backend configuration to record it), and prints
// the arrangement of every bar to standard error.
#include <AL/alc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/app.h"
#include "app/gxtk_app.h"
#include "music/nuv_player.h"

namespace {

class SteadyClock : public app::Clock {
public:
    double Now() override { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }
    void Sleep(double seconds) override { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Tune images decode without a GL context; nothing is drawn.
class DecodeOnlyGraphics : public gxtkGraphics {
public:
    SurfacePtr LoadSurface(const String& path) override { return LoadSurface__UNSAFE__(std::make_shared<gxtkSurface>(), path); }
    int Cls(float, float, float) override { return 0; }
};

void PrintBar(const NuvPlayer& p, int bar) {
    std::fprintf(stderr, "bar %2d section %d chord %c patterns", bar, p.section, static_cast<char>(p.chordQueue[0]));
    for (int v = 0; v < p.voiceCount; ++v) std::fprintf(stderr, " %d%s", p.voicePattern[v], p.voiceMuted[v] ? "m" : "");
    std::fprintf(stderr, "\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <tune name> <tempo> <seed> <seconds>\n", argv[0]);
        return 2;
    }
    ALCdevice* alDevice = alcOpenDevice(nullptr);
    if (!alDevice) return 1;
    ALCcontext* alContext = alcCreateContext(alDevice, nullptr);
    alcMakeContextCurrent(alContext);
    {
        App game;
        SteadyClock clock;
        AppDevice device(&game);
        device.clock = &clock;
        DecodeOnlyGraphics graphicsDevice;
        GraphicsContext context;
        graphics::context = &context;
        graphics::SetGraphicsDevice(&graphicsDevice);
        graphics::renderDevice = &graphicsDevice;

        NuvPlayer player;
        player.Nuv_Init(32, 4, 3, 3, 4);
        player.Nuv_StartTune(FromAscii(argv[1]), std::atoi(argv[3]), std::atoi(argv[2]));
        while (player.loadStep > 0) player.Nuv_Alive_R();
        const int end = app::Millisecs() + static_cast<int>(std::atof(argv[4]) * 1000);
        int bar = 0;
        PrintBar(player, bar);
        while (app::Millisecs() < end) {
            int row = player.row;
            player.Nuv_Alive_U(0, 1);
            if (row == 63 && player.row == 0) PrintBar(player, ++bar);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        player.Nuv_Stop(1);
        for (auto& chan : device.AudioDevice()->channels) chan.sample.reset();
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(alContext);
    alcCloseDevice(alDevice);
    return 0;
}
