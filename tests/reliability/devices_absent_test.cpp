// Devices that are not there: no audio device at all (OpenAL cannot open one) and a joystick that is absent or is
// unplugged in the middle of a round with its buttons down. The game plays on in every case.
#include <AL/alc.h>
#include <GLFW/glfw3.h>

#include "tests/reliability/game_run_fixture.h"

namespace {

using reliability::GameRun;

// Run by CTest as reliability_no_audio, with ALSOFT_DRIVERS naming no driver, so no device opens; in the normal
// run, where the program has opened one, it is skipped.
class NoAudio : public GameRun {};

TEST_F(NoAudio, TheGamePlaysSilently) {
    if (alcGetCurrentContext() != nullptr) GTEST_SKIP() << "an audio device is open (see reliability_no_audio)";
    ASSERT_EQ(game->settings[5], 1) << "music and effects on, so both are tried";
    FinishLoading();
    PlayFor(3000, 4, [](long) {});
    EXPECT_GE(roundsStarted, 1);
    EXPECT_EQ(glErrors, 0) << "first GL error 0x" << std::hex << firstGlError;
    EXPECT_NE(game->sfxChannel, 0) << "no effect was started";
}

TEST_F(GameRun, APadUnpluggedMidRoundWithButtonsDownLeavesNothingHeld) {
    FinishLoading();
    PlayFor(400, 4, [](long) {});
    ASSERT_EQ(game->mode, kRound) << "no round running to unplug the pad in";

    const float axes[6] = {0.9f, -0.9f, 0, 0, 0, 0};
    unsigned char buttons[16] = {};
    for (int b = 0; b < 4; ++b) buttons[b] = GLFW_PRESS;
    for (int i = 0; i < 10; ++i) {
        input().SetJoystick(axes, 6, buttons, 16);
        Step(true);
    }
    ASSERT_EQ(game->PlayKey(10), 1) << "button 0 held is action 1";

    input().SetJoystick(nullptr, 0, nullptr, 0);
    Step(true);
    for (int code = 256; code < 288; ++code) EXPECT_EQ(input().KeyDown(code), 0) << code;
    EXPECT_EQ(game->PlayKey(10), 0);
    EXPECT_EQ(input().JoyX(0), 0);

    PlayFor(600, 4, [](long) {});
    EXPECT_EQ(glErrors, 0) << "first GL error 0x" << std::hex << firstGlError;
}

TEST_F(GameRun, WithNoPadPresentARoundPlaysOnWhilePollingTheRealJoystick) {
    if (glfwJoystickPresent(GLFW_JOYSTICK_1)) GTEST_SKIP() << "a joystick is plugged in";
    FinishLoading();
    PlayFor(400, 4, [](long) {});
    ASSERT_EQ(game->mode, kRound);
    // Polling also reads the cursor from the real window, so the scripted pointer stops counting from here.
    input().pollPlatform = true;
    const long before = device->updateCount;
    PlayFor(1200, 4, [](long) {});
    input().pollPlatform = false;
    EXPECT_EQ(device->updateCount - before, 1200);
    for (int code = 256; code < 288; ++code) EXPECT_EQ(input().KeyDown(code), 0) << code;
    EXPECT_EQ(glErrors, 0) << "first GL error 0x" << std::hex << firstGlError;
}

}  // namespace
