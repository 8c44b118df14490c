// Numbered image and sound slots, filled one asset per update so the loading screen keeps moving, at the picture
// resolution that suits the window; and the sound-effect player rotating over channel slots 0 to 23.
#include "app/text.h"
#include "game/modes.h"
#include "game/my_app.h"
#include "graphics/graphics.h"

namespace {
constexpr int kEffectChannels = 24;

enum class StepKind { Image, Font, Sound, SoundPair };

struct LoadStep {
    StepKind kind;
    int slot;
    const char* stem;
    int frameWidth, frameHeight, frameCount;
};

// Steps 1 to 21; any step number past the table finishes loading.
constexpr LoadStep kSteps[] = {
    {StepKind::Image, 97, "common/icons", 32, 32, 16},
    {StepKind::Image, 95, "common/Buttons", 64, 64, 16},
    {StepKind::Image, 94, "common/dpad", 32, 32, 16},
    {StepKind::Image, 92, "common/icade", 64, 64, 2},
    {StepKind::Image, 93, "common/PlovoLogo", 256, 256, 1},
    {StepKind::Font, 90, "fonts/editundo", 7, 10, 128},
    {StepKind::Sound, 1, nullptr, 0, 0, 0},
    {StepKind::Sound, 95, nullptr, 0, 0, 0},
    {StepKind::Sound, 98, nullptr, 0, 0, 0},
    {StepKind::Sound, 99, nullptr, 0, 0, 0},
    {StepKind::Image, 99, "menu", 256, 256, 4},
    {StepKind::Image, 98, "logo", 256, 128, 1},
    {StepKind::Image, 96, "parts", 8, 8, 16},
    {StepKind::Image, 80, "BadgesA", 64, 64, 64},
    {StepKind::Image, 1, "gfx", 64, 64, 16},
    {StepKind::Image, 2, "dragon", 256, 256, 4},
    {StepKind::Sound, 2, nullptr, 0, 0, 0},
    {StepKind::Sound, 3, nullptr, 0, 0, 0},
    {StepKind::Sound, 4, nullptr, 0, 0, 0},
    {StepKind::Sound, 5, nullptr, 0, 0, 0},
    {StepKind::SoundPair, 6, nullptr, 0, 0, 0},
};
constexpr int kStepCount = sizeof(kSteps) / sizeof(kSteps[0]);

String PictureFile(const String& stem, int hdLevel) {
    if (hdLevel == 2) return stem + u"-hd.png";
    if (hdLevel == 4) return stem + u"-hd2.png";
    return stem + u".png";
}

void RunStep(MyApp& app, const LoadStep& step) {
    switch (step.kind) {
    case StepKind::Image:
        app.LoadImg(step.slot, FromAscii(step.stem), step.frameWidth, step.frameHeight, step.frameCount, 1);
        break;
    case StepKind::Font: app.LoadFont(step.slot, FromAscii(step.stem), step.frameWidth, step.frameHeight); break;
    case StepKind::Sound: app.LoadSFX(step.slot); break;
    case StepKind::SoundPair:
        app.LoadSFX(step.slot);
        app.LoadSFX(step.slot + 1);
        break;
    }
}
}  // namespace

// Strict bounds: a 630-pixel side still uses the base files.
void MyApp::ChooseResolution() {
    int w = graphics::DeviceWidth();
    int h = graphics::DeviceHeight();
    hdLevel = 1;
    hdScale = 1.0f;
    if (w > 630 || h > 630) {
        hdLevel = 2;
        hdScale = 0.5f;
    }
    if (w > 1230 || h > 1230) {
        hdLevel = 4;
        hdScale = 0.25f;
    }
}

// The old image is released before the new one loads, so a reload never holds two copies of a texture.
int MyApp::LoadImg(int slot, const String& stem, int frameWidth, int frameHeight, int frameCount, int flags) {
    images[slot].reset();
    images[slot] = graphics::LoadImage(PictureFile(stem, hdLevel), frameWidth * hdLevel, frameHeight * hdLevel,
                                       frameCount, flags);
    imageMetrics[slot * 3] = frameWidth * hdLevel;
    imageMetrics[slot * 3 + 1] = frameHeight * hdLevel;
    imageMetrics[slot * 3 + 2] = frameCount;
    return 0;
}

// A font's metrics are its advance and line height in virtual units, whatever resolution its file has.
int MyApp::LoadFont(int slot, const String& stem, int advance, int lineHeight) {
    images[slot].reset();
    images[slot] = graphics::LoadImage(PictureFile(stem, hdLevel), 16 * hdLevel, 16 * hdLevel, 128, 1);
    imageMetrics[slot * 3] = advance;
    imageMetrics[slot * 3 + 1] = lineHeight;
    imageMetrics[slot * 3 + 2] = 128;
    currentFont = slot;
    return 0;
}

int MyApp::Reload() {
    clsRed = clsGreen = clsBlue = 0;
    clsAlpha = 1;
    ChooseResolution();
    // The loading screen needs the logo and the font before the loader's own steps bring them.
    LoadImg(93, u"common/PlovoLogo", 256, 256, 1, 1);
    LoadFont(90, u"fonts/editundo", 7, 10);
    loadStage = 1;
    return 0;
}

int MyApp::LoadSFX(int n) {
    String file = (n < 10 ? u"sfx/00" : u"sfx/0") + IntToString(n) + u".wav";
    sounds[n].reset();
    sounds[n] = audio::LoadSound(file);
    return 0;
}

int MyApp::PlaySFX(int n, float rate, float volume, float pan) {
    int soundMode = settings[5];
    if (soundMode != 1 && soundMode != 2) return 0;
    int slot = (sfxChannel + 1) % kEffectChannels;
    if (slot < 0) slot = 0;
    sfxChannel = slot;
    int channel = channelMap[slot];
    audio::device->StopChannel(channel);
    const Sound* sound = sounds[n].get();
    if (sound && sound->sample) audio::device->PlaySample(sound->sample.get(), channel, 0);
    // An empty slot still sets the channel up, as if something had been started.
    audio::device->SetRate(channel, rate);
    audio::device->SetVolume(channel, volume);
    audio::device->SetPan(channel, pan);
    return 0;
}

int MyApp::Loader() {
    ChooseResolution();
    ResetBG();
    if (loadStage >= 1 && loadStage <= kStepCount) {
        RunStep(*this, kSteps[loadStage - 1]);
    } else {
        loadStage = 0;
        if (mode == kTitleMenu) musicPlayer->Nuv_StartTune(u"Tarnwick/Tune_18", Rand(1, 37171648), 80);
    }
    if (loadStage > 0) ++loadStage;
    WaitStart(1);
    return 0;
}
