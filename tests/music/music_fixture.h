#pragma once
// A NuvPlayer in a scratch folder with its own data/ (tune images and instrument files written by the test), the
// real app module reading a manual clock, and two recording devices: graphics that decodes images without a GL
// upload, and audio that notes every channel call instead of playing it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/clock.h"
#include "app/gxtk_app.h"
#include "audio/audio_device.h"
#include "graphics/render_device.h"
#include "music/nuv_player.h"

namespace musictest {

struct AudioCall {
    std::string op;  // "play", "stop", "volume", "pan", "rate"
    int channel = 0;
    float value = 0;  // volume, pan or rate; for "play" the looping flag
    gxtkSample* sample = nullptr;
};

class RecordingAudio : public gxtkAudio {
public:
    SamplePtr LoadSample(const String& path) override;
    int PlaySample(gxtkSample* sample, int channel, int flags) override;
    int StopChannel(int channel) override;
    int SetVolume(int channel, float volume) override;
    int SetPan(int channel, float pan) override;
    int SetRate(int channel, float rate) override;

    // Calls of one kind, in order.
    std::vector<AudioCall> Calls(const std::string& op) const;
    std::vector<AudioCall> calls;
    std::vector<std::string> loaded;  // every path LoadSample was asked for
};

class DecodingGraphics : public gxtkGraphics {
public:
    SurfacePtr LoadSurface(const String& path) override { return LoadSurface__UNSAFE__(std::make_shared<gxtkSurface>(), path); }
    int Cls(float r, float g, float b) override;
    std::vector<std::string> clears;  // "r,g,b" of every Cls
};

// Cells of one tune image: value at [pattern][track][row][column], written as blue = value * 8 + offset.
struct TuneImage {
    std::vector<int> cells = std::vector<int>(64 * 4096, 0);
    int& At(int pattern, int track, int row, int column) {
        return cells[pattern * 4096 + track * 512 + row * 8 + column];
    }
    void Note(int pattern, int track, int row, int note, int volume, int effect = 0, int amount = 0) {
        At(pattern, track, row, 0) = note;
        At(pattern, track, row, 1) = volume;
        At(pattern, track, row, 2) = effect;
        At(pattern, track, row, 3) = amount;
    }
};

class TestApp : public App {};

// The generator and Rand written out again from their definitions, to check the player's draws against.
struct Lcg {
    std::uint32_t seed;
    int Rand(double low, double high) {
        seed = seed * 1664525u + 1013904223u;
        double u = (seed >> 8) / 16777216.0;
        return static_cast<int>(std::floor(low + (high + 0.99 - low) * u));
    }
    void Skip(int n) {
        for (int i = 0; i < n; ++i) Rand(1, 5);
    }
};

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes data/tunes/<name>.png; blueOffset 0 to 7 is added to every blue value.
    void WriteTune(const std::string& name, TuneImage& tune, int blueOffset = 4, int side = 512);
    // Writes the 19 instrument files the loader asks for with the game's counts (short 8-bit mono clips).
    void WriteInstruments();
    void WriteFile(const std::string& path, const std::string& bytes);
    // Starts a tune with the game's configuration and runs the loader to the end.
    void StartLoaded(const std::string& name, int seed, int tempo);
    // Half a millisecond in, so the clock reads exactly ms after the seconds-to-milliseconds truncation.
    void SetMillis(int ms) { clock.now = (ms + 0.5) / 1000.0; }
    // Plays exactly one due row: moves the clock just past the next row time and calls the row player.
    void PlayOneRow();

    std::filesystem::path previousDir;
    std::filesystem::path scratch;
    TestApp game;
    app::ManualClock clock;
    std::unique_ptr<AppDevice> device;
    RecordingAudio audioSpy;
    DecodingGraphics graphicsSpy;
    GraphicsContext context;
    NuvPlayer player;
};

}  // namespace musictest
