#pragma once
// The one game object: every piece of game and framework state, the display list, the asset slots, the saved
// settings, the sequencer and the round. Its methods live in the file of their concern (framework/ and game/).
#include <array>
#include <memory>

#include "app/app.h"
#include "app/text.h"
#include "audio/audio_device.h"
#include "graphics/graphics.h"
#include "music/nuv_player.h"

// Marks an optional argument that was not given, a touch that is up, and the rectangle kind of a list entry.
constexpr float kUnset = -3717.0f;
constexpr int kUnsetInt = -3717;

class MyApp : public App {
public:
    MyApp();

    int OnCreate() override;
    int OnUpdate() override;
    int OnSuspend() override;
    int OnResume() override;
    int OnRender() override;

    // Assets and sound effects (framework/assets.cpp)
    int LoadImg(int slot, const String& stem, int frameWidth, int frameHeight, int frameCount, int flags);
    int LoadFont(int slot, const String& stem, int advance, int lineHeight);
    int Reload();
    int LoadSFX(int n);
    int PlaySFX(int n, float rate, float volume, float pan);
    int Loader();
    // Chooses hdLevel and hdScale from the window size.
    void ChooseResolution();

    // Saved state (framework/saved_state.cpp)
    int Load();
    int Save();
    String StateString();
    void RestoreState(const String& state);

    // Controls (game/controls.cpp)
    int iCade(int n);
    int PlayKey(int n);
    void GatherControls();
    void ControlOverlays();

    // Display list (framework/display_list.cpp)
    int ResetDraw();
    int CLS2D(float red = kUnset, float green = kUnset, float blue = kUnset, float alpha = kUnset);
    int SetCol(float red, float green, float blue, float alpha = kUnset);
    int Alpha(float alpha);
    int SetRot(float angle);
    int SetSize(float sizeX, float sizeY = kUnset);
    int Rect(float x, float y, float width, float height);
    int Oval(float x, float y, float radiusX, float radiusY);
    int DrawImg(int slot, float x, float y, float frame);

    // Text and buttons (framework/text.cpp)
    int Text(float x, float y, const String& text, float alignX, float alignY);
    int Button(int slot, float x, float y, int frame);
    int Button0(int slot, float x, float y, int frame);
    String rstr(int value, int width, const String& pad);

    // Title menu and credits (framework/menu.cpp)
    int Menu();
    int LoadMenu();
    int CreditBox();

    // Mode machine (game/update.cpp)
    int Rand(float low, float high);

    // Round (game/round.cpp)
    int LoadGame();
    int Game();
    int InGame();
    int PauseMenu();
    int WaitStart(int n);

    // Shots and fire (game/shots.cpp)
    int ShootPlane();
    int ShootDragon(int count);
    int DoFire();

    // Background (game/background.cpp)
    int ResetBG();
    int DoBG();

    // Game over and score lists (game/game_over.cpp)
    int GameOver();
    String MyNth();
    void RecordScore();
    int GC_PostScore(int board, int score);
    int GC_Badges();

    // Mode machine and clocks
    int mode = 0;
    int cycle48 = 0;
    int cycle24 = 0;
    int dragonFrame = 0;
    int loopIndex = 0;
    int tempA = 0, tempB = 0, tempC = 0, tempFrame = 0;

    // Pause
    int paused = 0;
    int pauseSlide = 0;
    int pauseY = 0;
    int pauseFocus = 0;

    // Input state
    int mouseX = 0, mouseY = 0;
    int pointerDown = 0;
    std::array<int, 10> touchDown{};
    std::array<int, 10> touchX{};
    std::array<int, 10> touchY{};
    int clickLatch = 0;
    int keyLatch = 0;
    std::array<int, 20> controlState{};
    int lastChar = 0;
    float accelZeroX = 0, accelZeroY = 0;
    float tiltRawX = 0, tiltRawY = 0, tiltX = 0, tiltY = 0;
    int dpadX = 0, dpadY = 0;
    float dpadScale = 0;
    int pinchActive = 0, pinchStartSpan = 0, pinchSpan = 0;

    // The round
    float planeX = 0, planeY = 0, targetX = 0, targetY = 0;
    int planeHit = 0;
    int roundOver = 0;
    int score = 0;
    int shownScore = 0;
    int fireCooldown = 0;
    int fireInterval = 0;
    int roundClock = 0;
    int volleySize = 0;
    int volleyCount = 0;
    int spinnerAngle = 0;

    // Shots and fire: 201 records of 10 floats
    std::array<float, 2048> shots{};
    // Skyline: blocks 1 to 100 of 10 floats
    std::array<float, 2048> skyline{};

    // Game over and score lists
    int gameOverClock = 0;
    int scoreBoard = 0;
    std::array<int, 150> scoreTables{};

    // Display list: entries of 15 floats
    std::array<float, 37500> drawList{};
    int drawCount = 0;
    float drawSizeX = 0, drawSizeY = 0;
    float drawRotation = 0;
    float drawRed = 0, drawGreen = 0, drawBlue = 0;
    float drawAlpha = 0;
    float clsRed = 0, clsGreen = 0, clsBlue = 0, clsAlpha = 0;
    float scaleX = 0, scaleY = 0;
    int landscape = 0;
    int lastDeviceWidth = 0, lastDeviceHeight = 0;
    int fpsLastMillis = 0;
    int fpsInstant = 0;
    int fps = 0;

    // Assets
    std::array<ImagePtr, 100> images{};
    std::array<int, 300> imageMetrics{};
    int currentFont = 0;
    int hdLevel = 0;
    float hdScale = 0;
    int loadStage = 0;
    std::array<SoundPtr, 100> sounds{};
    int sfxChannel = 0;
    std::array<int, 33> channelMap{};

    // Saved settings and badges
    std::array<int, 25> settings{};
    std::array<bool, 256> badges{};

    // Menu
    int creditsOpen = 0;
    int menuSlide = 0;
    float scorePanelWidth = 0;
    int buttonHit = 0;

    std::unique_ptr<NuvPlayer> musicPlayer;
};
