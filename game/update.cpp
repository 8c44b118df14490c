// The game object's life: construction, OnCreate, the per-update sequence with its mode machine, suspend and
// resume, and the whole-number random draw.
#include <cmath>

#include "app/gxtk_app.h"
#include "app/random.h"
#include "game/globals.h"
#include "game/modes.h"
#include "game/my_app.h"
#include "graphics/graphics.h"

MyApp::MyApp() : musicPlayer(std::make_unique<NuvPlayer>()) {}

int MyApp::OnCreate() {
    mode = kTitleMenu;
    app::SetUpdateRate(60);
    lastDeviceWidth = graphics::device->Width();
    lastDeviceHeight = graphics::device->Height();
    if (HasMusic == 1) musicPlayer->Nuv_Init(32, 4, 3, 3, 4);
    accelZeroX = accelZeroY = 0;
    Reload();
    scoreBoard = 2;
    menuSlide = -32;
    paused = 0;
    pauseSlide = -1;
    pauseY = -64;
    loopIndex = 0;
    for (int i = 0; i < 128; ++i) badges[i] = false;
    controlState.fill(0);
    settings.fill(0);
    settings[5] = 1;
    for (int i = 0; i <= 30; ++i) scoreTables[i] = 0;
    Load();
    for (int i = 0; i < 33; ++i) channelMap[i] = i;
    return 0;
}

int MyApp::OnUpdate() {
    cycle48 = (cycle48 + 1) % 48;
    cycle24 = (cycle24 + 1) % 24;
    if (HasMusic == 1) {
        int musicOn = (settings[5] == 1 || settings[5] == 3) ? 1 : 0;
        musicPlayer->Nuv_Alive_U(paused, musicOn);
    }
    GatherControls();

    if (loadStage == 0) {
        CLS2D(0, 0, 80, 1);
        DoBG();
        SetSize(1);
        dragonFrame = 3 - cycle48 / 12;
        DrawImg(2, 150, jscrh * 0.5f, static_cast<float>(dragonFrame));

        switch (mode) {
            case kTitleMenu: Menu(); break;
            case kEnterMenu:
                LoadMenu();
                mode = kTitleMenu;
                break;
            case kRound:
                Game();
                InGame();
                break;
            case kEnterRound: LoadGame(); break;
            default: break;
        }
        // The mode 2 handler is followed only by the fade below, not by this test.
        if (mode == kRound && roundOver > 0) GameOver();
        if (mode == kTitleMenu || mode == kEnterMenu) GameOver();
        if (mode == kTitleMenu && creditsOpen == 1) CreditBox();
    }

    if (loadStage > 0) Loader();
    ControlOverlays();

    if (DebugMode == 1) {
        ResetDraw();
        String t = IntToString(fps) + u":" + FloatToString(scaleX) + u"," + FloatToString(scaleY);
        if (AccelerometerControls == 1 && iCadeControls == 0) {
            Text(16, jscrh * 0.5f, t, 0, 0);
        } else {
            Text(16, jscrh - 16, t, 0, 0);
        }
    }
    return 0;
}

namespace {
// Suspend and resume leave a running round paused with its panel in place, and anything else unpaused.
void SetPauseForRound(MyApp& game) {
    if (game.mode > 9) {
        game.paused = 1;
        game.pauseSlide = 1;
        game.pauseY = static_cast<int>(jscrh * 0.5f);
    } else {
        game.paused = 0;
        game.pauseSlide = 0;
        game.pauseY = 0;
    }
}
}  // namespace

int MyApp::OnSuspend() {
    iCade(0);
    SetPauseForRound(*this);
    app::SetUpdateRate(5);
    Save();
    return 0;
}

int MyApp::OnResume() {
    SetPauseForRound(*this);
    app::SetUpdateRate(60);
    iCade(0);
    return 0;
}

int MyApp::Rand(float low, float high) {
    float u = rng::Rnd();
    float value = std::floor(low + (high + 0.99f - low) * u);
    return static_cast<int>(value);
}
