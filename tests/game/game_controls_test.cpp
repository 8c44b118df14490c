// The controls layer on a bare game object fed by an input device the test drives: pointer and touches in virtual
// units, latches, PlayKey's tables and thresholds, the character-queue controller, the on-screen pad and the tilt.
#include "input/input_device.h"
#include "tests/game/game_test_helpers.h"

namespace {
// Touches other than 0 and the accelerometer are fixed on this platform; the tests set them to reach those paths.
class FedInput : public gxtkInput {
public:
    float TouchX(int finger) override { return finger == 0 ? cursorX : fingerX[finger]; }
    float TouchY(int finger) override { return finger == 0 ? cursorY : fingerY[finger]; }
    float AccelX() override { return accelX; }
    float AccelY() override { return accelY; }
    float fingerX[10] = {}, fingerY[10] = {};
    float accelX = 0, accelY = 0;
};

class Controls : public gametest::BareGame {
protected:
    void SetUp() override {
        BareGame::SetUp();
        input::device = &in;
        game->scaleX = game->scaleY = 2;
        game->hdScale = 1;
        for (int slot : {94, 97}) {
            game->imageMetrics[slot * 3] = 32;
            game->imageMetrics[slot * 3 + 1] = 32;
        }
    }
    void Stick(float x, float y) {
        float axes[2] = {x, y};
        in.SetJoystick(axes, 2, nullptr, 0);
    }
    // Gathering, then the overlays, as one update runs them (without the screen in between).
    void Update() {
        game->GatherControls();
        game->ControlOverlays();
        in.EndUpdate();
    }
    FedInput in;
};

TEST_F(Controls, PointerAndTouchZeroInVirtualUnits) {
    in.cursorX = 101;
    in.cursorY = 51;
    game->GatherControls();
    EXPECT_EQ(game->mouseX, 50);
    EXPECT_EQ(game->mouseY, 25);
    EXPECT_EQ(game->pointerDown, 0);
    EXPECT_EQ(game->touchX[0], -3717);

    in.OnKeyDown(1);
    game->GatherControls();
    EXPECT_EQ(game->pointerDown, 1);
    EXPECT_EQ(game->touchDown[0], 1);
    EXPECT_EQ(game->touchX[0], 50);
    EXPECT_EQ(game->touchY[0], 25);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(game->touchDown[i], 0);
        EXPECT_EQ(game->touchX[i], -3717);
        EXPECT_EQ(game->touchY[i], -3717);
    }
}

TEST_F(Controls, NoScaleBeforeTheFirstRenderReadsAsZero) {
    game->scaleX = game->scaleY = 0;
    in.cursorX = 10;
    game->GatherControls();
    EXPECT_EQ(game->mouseX, 0);
}

TEST_F(Controls, LatchesAreFreedOnlyWhenNothingIsHeld) {
    game->clickLatch = game->keyLatch = 1;
    in.OnKeyDown(1);
    in.OnKeyDown(27);
    game->GatherControls();
    EXPECT_EQ(game->clickLatch, 1);
    EXPECT_EQ(game->keyLatch, 1);
    in.OnKeyUp(1);
    game->GatherControls();
    EXPECT_EQ(game->clickLatch, 0);
    EXPECT_EQ(game->keyLatch, 1);
    in.OnKeyUp(27);
    game->controlState[14] = 2;
    game->GatherControls();
    EXPECT_EQ(game->keyLatch, 0) << "control 14 has no PlayKey of its own";
}

TEST_F(Controls, HeldEscapeClosesTheCreditsBoxOnce) {
    game->mode = 1;
    game->creditsOpen = 1;
    in.OnKeyDown(27);
    game->GatherControls();
    EXPECT_EQ(game->creditsOpen, 0);
    EXPECT_EQ(game->keyLatch, 1);
    EXPECT_EQ(game->clickLatch, 1);
    game->creditsOpen = 1;
    for (int i = 0; i < 5; ++i) game->GatherControls();
    EXPECT_EQ(game->creditsOpen, 1);

    in.OnKeyUp(27);
    game->GatherControls();
    game->mode = 10;
    in.OnKeyDown(27);
    game->GatherControls();
    EXPECT_EQ(game->creditsOpen, 1) << "only in the title menu";
}

TEST_F(Controls, PlayKeyTablesForBothSchemes) {
    struct Case {
        int control, key, normal, controller;
    } cases[] = {
        {0, 38, 1, 1},  {0, 87, 1, 0},  {0, 265, 1, 1}, {3, 37, 1, 1},  {3, 65, 1, 0},  {3, 264, 1, 1},
        {5, 39, 1, 1},  {5, 68, 1, 0},  {5, 266, 1, 1}, {8, 40, 1, 1},  {8, 83, 1, 0},  {8, 267, 1, 1},
        {10, 90, 1, 0}, {10, 74, 1, 0}, {10, 32, 1, 1}, {10, 13, 1, 1}, {10, 256, 1, 1}, {11, 88, 1, 0},
        {11, 75, 1, 0}, {11, 17, 1, 1}, {11, 257, 1, 1}, {12, 67, 1, 0}, {12, 76, 1, 0}, {12, 16, 1, 1},
        {12, 258, 1, 1}, {13, 86, 1, 0}, {13, 73, 1, 0}, {13, 259, 1, 1}, {99, 27, 1, 1}, {99, 46, 1, 1},
        {99, 8, 1, 1},  {99, 263, 1, 1}, {0, 40, 0, 0},  {10, 27, 0, 0}, {14, 260, 0, 0}, {99, 13, 0, 0},
        {1, 38, 0, 0},  {4, 39, 0, 0},
    };
    for (const Case& c : cases) {
        in.OnKeyDown(c.key);
        iCadeControls = 0;
        EXPECT_EQ(game->PlayKey(c.control), c.normal) << c.control << " by " << c.key;
        iCadeControls = 1;
        EXPECT_EQ(game->PlayKey(c.control), c.controller) << c.control << " by " << c.key << " with the controller";
        iCadeControls = 2;
        EXPECT_EQ(game->PlayKey(c.control), 0);
        in.OnKeyUp(c.key);
    }
}

TEST_F(Controls, StickThresholdsAreStrict) {
    struct Case {
        float x, y;
        int up, left, right, down;
    } cases[] = {
        {-0.4f, 0, 0, 0, 0, 0}, {-0.41f, 0, 0, 1, 0, 0}, {0.4f, 0, 0, 0, 0, 0},   {0.41f, 0, 0, 0, 1, 0},
        {0, -0.4f, 0, 0, 0, 0}, {0, -0.41f, 1, 0, 0, 0}, {0, 0.4f, 0, 0, 0, 0},   {0, 0.41f, 0, 0, 0, 1},
        {-1, 1, 0, 1, 0, 1},
    };
    for (int scheme = 0; scheme < 2; ++scheme) {
        iCadeControls = scheme;
        for (const Case& c : cases) {
            Stick(c.x, c.y);
            EXPECT_EQ(game->PlayKey(0), c.up) << c.x << "," << c.y;
            EXPECT_EQ(game->PlayKey(3), c.left) << c.x << "," << c.y;
            EXPECT_EQ(game->PlayKey(5), c.right) << c.x << "," << c.y;
            EXPECT_EQ(game->PlayKey(8), c.down) << c.x << "," << c.y;
            EXPECT_EQ(game->PlayKey(10), 0);
        }
    }
}

TEST_F(Controls, ControlStatesCountAndBackReadsTheTwoControllerButtons) {
    struct Case {
        int entry, control;
    } cases[] = {{0, 0}, {3, 3}, {5, 5}, {8, 8}, {10, 10}, {13, 13}, {16, 99}, {17, 99}};
    for (const Case& c : cases) {
        game->controlState.fill(0);
        game->controlState[c.entry] = 2;
        EXPECT_EQ(game->PlayKey(c.control), 1) << c.entry;
    }
    game->controlState.fill(2);
    EXPECT_EQ(game->PlayKey(14), 0);
    EXPECT_EQ(game->PlayKey(16), 0);
    game->controlState.fill(0);
    game->controlState[99 % 20] = 1;
    EXPECT_EQ(game->PlayKey(99), 0);
}

TEST_F(Controls, ControllerLettersPressAndReleaseFromTheNextUpdate) {
    in.PutChar('x');
    game->iCade(1);
    EXPECT_EQ(iCadeControls, 1);
    EXPECT_EQ(game->lastChar, 0);
    Update();
    EXPECT_EQ(game->controlState[8], 0) << "what was queued before was dropped";

    const char* presses = "WXADYUIOHJKL";
    const char* releases = "EZQCTFMGRNPV";
    const int controls[] = {0, 8, 3, 5, 13, 14, 15, 16, 10, 11, 12, 17};
    for (int i = 0; i < 12; ++i) {
        in.PutChar(i % 2 ? presses[i] : presses[i] + ('a' - 'A'));
        Update();
        EXPECT_EQ(game->controlState[controls[i]], 2) << presses[i];
        Update();
        EXPECT_EQ(game->controlState[controls[i]], 2) << "held until its release letter";
        in.PutChar(releases[i]);
        in.PutChar('b');
        in.PutChar(-5);
        Update();
        EXPECT_EQ(game->controlState[controls[i]], 0) << releases[i];
    }

    in.PutChar('o');
    Update();
    EXPECT_EQ(game->PlayKey(99), 1);
    in.OnKeyDown(87);
    game->controlState[0] = 0;
    EXPECT_EQ(game->PlayKey(0), 0) << "W is the controller's letter, not a key";
    game->iCade(0);
    EXPECT_EQ(game->PlayKey(0), 1);
    EXPECT_EQ(game->PlayKey(99), 0) << "switching off drops the held state";
}

TEST_F(Controls, OnScreenPressesLastOneUpdateAndTiltIsZeroWithTheController) {
    game->controlState[5] = 1;
    game->controlState[3] = 2;
    game->tiltX = 0.5f;
    Update();
    EXPECT_EQ(game->controlState[5], 0);
    EXPECT_EQ(game->controlState[3], 2);
    EXPECT_EQ(game->tiltX, 0.5f);
    game->iCade(1);
    Update();
    EXPECT_EQ(game->tiltX, 0);
}

class Pad : public Controls {
protected:
    void SetUp() override {
        Controls::SetUp();
        OnScreenControls = 1;
        game->mode = 10;
        game->settings[10] = 64;
        game->settings[11] = 64;
        game->settings[12] = 10;
    }
    void TouchAt(float x, float y) {
        in.cursorX = x * game->scaleX;
        in.cursorY = y * game->scaleY;
        in.OnKeyDown(1);
    }
};

TEST_F(Pad, SettingsAreClampedIntoTheScreenAndSizeRange) {
    struct Case {
        int x, height, size;
        int dpadX, dpadY;
        float scale;
    } cases[] = {
        {0, 0, 30, 32, 480 - 32, 2.5f},
        {31, 31, 7, 32, 480 - 32, 0.8f},
        {32, 32, 8, 32, 480 - 32, 0.8f},
        {700, 500, 25, 640 - 32, 32, 2.5f},
        {64, 64, 10, 64, 416, 1},
    };
    for (const Case& c : cases) {
        game->settings[10] = c.x;
        game->settings[11] = c.height;
        game->settings[12] = c.size;
        game->CLS2D();
        Update();
        EXPECT_EQ(game->dpadX, c.dpadX);
        EXPECT_EQ(game->dpadY, c.dpadY);
        EXPECT_EQ(game->dpadScale, c.scale);
        auto images = gametest::EntriesOfKind(*game, 94);
        ASSERT_EQ(images.size(), 7u);
        EXPECT_EQ(images[4].x, c.dpadX) << "the centre follows the four directions";
        EXPECT_EQ(images[4].w, c.scale);
    }
}

TEST_F(Pad, DirectionAndActionButtonsPressTheirControlsForOneUpdate) {
    struct Case {
        float x, y;
        int control;
    } cases[] = {{64 - 32, 416, 3}, {64, 416 - 32, 0}, {64, 416 + 32, 8}, {64 + 32, 416, 5},
                 {640 - 64 + 24, 416 - 24, 10}, {640 - (64 + 24), 416 + 24, 11}};
    for (const Case& c : cases) {
        TouchAt(c.x, c.y);
        Update();
        EXPECT_EQ(game->controlState[c.control], 1) << c.x << "," << c.y;
        EXPECT_EQ(game->PlayKey(c.control), 1);
        in.OnKeyUp(1);
        Update();
        EXPECT_EQ(game->controlState[c.control], 0);
    }
}

TEST_F(Pad, PausedPadTakesNoDirectionsButFollowsTheFingerAndPinches) {
    game->paused = 1;
    TouchAt(64 - 32, 416);
    Update();
    EXPECT_EQ(game->controlState[3], 0) << "no directions while paused";
    EXPECT_EQ(game->settings[10], 32) << "touch 0 on the enlarged pad moves it";
    EXPECT_EQ(game->settings[11], 480 - 416);
    in.OnKeyUp(1);

    TouchAt(100, 100);
    Update();
    EXPECT_EQ(game->settings[10], 32) << "a touch away from the pad leaves it";

    in.OnKeyDown(385);
    in.fingerX[1] = 2 * (100 + 48);
    in.fingerY[1] = 200;
    Update();
    EXPECT_EQ(game->pinchActive, 1);
    EXPECT_EQ(game->pinchStartSpan, 3);
    EXPECT_EQ(game->settings[12], 10);
    in.fingerX[1] = 2 * (100 + 48 + 32);
    Update();
    EXPECT_EQ(game->settings[12], 12) << "32 units wider: two tenths";
    in.OnKeyUp(385);
    Update();
    EXPECT_EQ(game->pinchActive, 0);
    EXPECT_EQ(game->pinchStartSpan, 0);
}

TEST_F(Controls, TiltEasesByAQuarterSnapsAndCalibrates) {
    AccelerometerControls = 1;
    in.accelX = 1;
    in.accelY = -0.5f;
    std::vector<float> eased;
    for (int i = 0; i < 3; ++i) {
        Update();
        eased.push_back(game->tiltX);
    }
    EXPECT_EQ(eased, (std::vector<float>{0.25f, 0.4375f, 0.578125f}));
    EXPECT_EQ(game->tiltY, -0.5f * 0.578125f);
    for (int i = 0; i < 30; ++i) Update();
    EXPECT_EQ(game->tiltX, 1) << "snapped once within 0.005";

    game->CLS2D();
    in.cursorX = 2 * 24;
    in.cursorY = 2 * (480 - 24);
    in.OnKeyDown(1);
    Update();
    EXPECT_EQ(game->accelZeroX, 1);
    EXPECT_EQ(game->accelZeroY, -0.5f);
    auto ovals = gametest::EntriesOfKind(*game, gametest::kOvalKind);
    ASSERT_EQ(ovals.size(), 1u);
    EXPECT_EQ(ovals[0].x, 24 + game->tiltX * 20);
    EXPECT_EQ(ovals[0].y, 480 - 24 + game->tiltY * 20);
}
}  // namespace
