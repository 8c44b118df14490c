#include "input/input_device.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "input/key_codes.h"

namespace {
// A device fed by hand, bracketed like the main loop brackets the game's updates.
class InputDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        in.pollPlatform = false;
        input::SetInputDevice(&in);
    }
    void TearDown() override { input::SetInputDevice(nullptr); }

    // The end of one update and the start of the next.
    void NextUpdate() {
        in.EndUpdate();
        in.BeginUpdate();
    }

    void Buttons(std::initializer_list<int> pressed, int count = 32) {
        unsigned char states[40] = {};
        for (int b : pressed) states[b] = GLFW_PRESS;
        in.SetJoystick(nullptr, 0, states, count);
    }

    gxtkInput in;
};

TEST_F(InputDeviceTest, PressAndReleaseBetweenUpdatesCountsAsOneHit) {
    in.OnKeyDown(65);
    in.OnKeyUp(65);
    EXPECT_EQ(in.KeyDown(65), 0);
    EXPECT_EQ(in.KeyHit(65), 1);
    NextUpdate();
    EXPECT_EQ(in.KeyHit(65), 0);
}

TEST_F(InputDeviceTest, HeldKeyHitsOnlyInItsFirstUpdateAndRepeatsAddNothing) {
    in.OnKeyDown(32);
    in.OnKeyDown(32);
    EXPECT_EQ(in.KeyHit(32), 1);
    for (int update = 0; update < 3; ++update) {
        NextUpdate();
        in.OnKeyDown(32);
        EXPECT_EQ(in.KeyDown(32), 1);
        EXPECT_EQ(in.KeyHit(32), 0);
    }
}

TEST_F(InputDeviceTest, EveryPressWithinOneUpdateCounts) {
    for (int i = 0; i < 3; ++i) {
        in.OnKeyDown(1);
        in.OnKeyUp(1);
    }
    in.OnKeyDown(1);
    EXPECT_EQ(in.KeyHit(1), 4);
    EXPECT_EQ(in.KeyDown(1), 1);
    NextUpdate();
    EXPECT_EQ(in.KeyHit(1), 0);
    EXPECT_EQ(in.KeyDown(1), 1);
}

TEST_F(InputDeviceTest, EitherSideHoldsTheMergedKeyUntilBothAreUp) {
    const struct {
        int left, right, merged;
    } pairs[] = {{160, 161, 16}, {162, 163, 17}};
    for (const auto& p : pairs) {
        in.OnKeyDown(p.left);
        EXPECT_EQ(in.KeyDown(p.left), 1);
        EXPECT_EQ(in.KeyDown(p.merged), 1);
        in.OnKeyDown(p.right);
        EXPECT_EQ(in.KeyHit(p.merged), 1) << "the second side is no new press";
        in.OnKeyUp(p.left);
        EXPECT_EQ(in.KeyDown(p.merged), 1) << p.merged;
        in.OnKeyUp(p.right);
        EXPECT_EQ(in.KeyDown(p.merged), 0) << p.merged;
        EXPECT_EQ(in.KeyHit(p.merged), 1);
    }
    EXPECT_EQ(in.KeyDown(16) + in.KeyDown(17), 0);
}

TEST_F(InputDeviceTest, TouchZeroReadsTheLeftButtonAndCodesOutsideTheTableReadZero) {
    in.OnKeyDown(1);
    EXPECT_EQ(in.KeyDown(384), 1);
    EXPECT_EQ(in.KeyHit(384), 1);
    EXPECT_EQ(input::TouchDown(0), 1);
    EXPECT_EQ(input::MouseDown(0), 1);
    EXPECT_EQ(input::MouseHit(0), 1);
    EXPECT_EQ(input::MouseDown(1), 0);

    in.OnKeyDown(0);
    in.OnKeyDown(511);
    for (int code : {0, -1, 512, 1000}) {
        EXPECT_EQ(in.KeyDown(code), 0) << code;
        EXPECT_EQ(in.KeyHit(code), 0) << code;
    }
    EXPECT_EQ(in.KeyDown(511), 1);
}

TEST_F(InputDeviceTest, CharacterQueueKeepsTheFirst32UntilTheUpdateEnds) {
    for (int c = 0; c < 40; ++c) in.PutChar('a' + c);
    for (int c = 0; c < 32; ++c) EXPECT_EQ(in.GetChar(), 'a' + c);
    EXPECT_EQ(in.GetChar(), 0);
    EXPECT_EQ(in.GetChar(), 0);

    NextUpdate();
    EXPECT_EQ(input::GetChar(), 0) << "unread characters do not outlive the update";
    in.PutChar(KeyToChar(37));
    in.PutChar(KeyToChar(46));
    EXPECT_EQ(input::GetChar(), 37 + 65536);
    EXPECT_EQ(input::GetChar(), 127);
}

TEST_F(InputDeviceTest, PointerReadsTheCursorWhateverTheFinger) {
    in.cursorX = 12.5f;
    in.cursorY = 300;
    EXPECT_EQ(input::MouseX(), 12.5f);
    EXPECT_EQ(input::MouseY(), 300);
    EXPECT_EQ(input::TouchX(3), 12.5f);
    EXPECT_EQ(input::TouchY(3), 300);
}

TEST_F(InputDeviceTest, PadAxesAreFixedUpByAxisCount) {
    const float axes[8] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f};
    const struct {
        int count;
        float leftX, leftY, leftZ, rightX, rightY, rightZ;  // as JoyX/JoyY/JoyZ report them
    } cases[] = {
        {0, 0, 0, 0, 0, 0, 0},
        {2, 0.1f, 0.2f, 0, 0, 0, 0},
        {3, 0.1f, 0.2f, 0.3f, 0, 0, 0},
        {4, 0.1f, 0.2f, 0, 0.4f, -0.3f, 0},
        {5, 0.1f, 0.2f, 0.3f, 0.5f, -0.4f, 0},
        {6, 0.1f, 0.2f, 0.3f, 0.4f, -0.5f, 0.6f},
        {8, 0.1f, 0.2f, 0.3f, 0.4f, -0.5f, 0.6f},
    };
    for (const auto& c : cases) {
        // Start from a full pad so stale values would show.
        in.SetJoystick(axes, 6, nullptr, 0);
        in.SetJoystick(axes, c.count, nullptr, 0);
        SCOPED_TRACE(c.count);
        EXPECT_EQ(in.JoyX(0), c.leftX);
        EXPECT_EQ(in.JoyY(0), c.leftY);
        EXPECT_EQ(in.JoyZ(0), c.leftZ);
        EXPECT_EQ(in.JoyX(1), c.rightX);
        EXPECT_EQ(in.JoyY(1), c.rightY);
        EXPECT_EQ(in.JoyZ(1), c.rightZ);
        EXPECT_EQ(input::JoyX(1), c.rightX);
        EXPECT_EQ(input::JoyY(1), c.rightY);
        EXPECT_EQ(in.JoyX(2) + in.JoyY(2) + in.JoyZ(-1), 0);
        EXPECT_EQ(input::JoyX(0, 1), 0) << "only unit 0 has axes";
    }
}

TEST_F(InputDeviceTest, JoystickButtonsBehaveLikeKeys) {
    Buttons({0, 16});
    EXPECT_EQ(in.KeyDown(256), 1);
    EXPECT_EQ(in.KeyHit(256), 1);
    EXPECT_EQ(input::JoyDown(0), 1);
    EXPECT_EQ(input::JoyDown(0, 1), 1) << "unit 1's button 0 is code 272, unit 0's button 16";
    EXPECT_EQ(in.KeyDown(272), 1);

    NextUpdate();
    Buttons({0, 16});
    EXPECT_EQ(in.KeyDown(256), 1);
    EXPECT_EQ(in.KeyHit(256), 0) << "still held is no new press";

    NextUpdate();
    Buttons({16});
    EXPECT_EQ(in.KeyDown(256), 0);
    Buttons({0, 16});
    EXPECT_EQ(in.KeyHit(256), 1);
}

TEST_F(InputDeviceTest, OnlyTheReportedButtonsUpToThirtyTwoAreRead) {
    Buttons({0, 31, 32, 33}, 40);
    EXPECT_EQ(in.KeyDown(256 + 31), 1);
    EXPECT_EQ(in.KeyDown(256 + 32), 0);
    EXPECT_EQ(in.KeyDown(256 + 33), 0);
}

// A pad unplugged while buttons are down reports no buttons at all (or a different pad fewer): the keys of the
// buttons it no longer reports must come up, or they stay held for the rest of the run.
TEST_F(InputDeviceTest, ButtonsThePadNoLongerReportsAreReleased) {
    const struct {
        const char* what;
        int count;
        bool held0, held5, held31;
    } cases[] = {
        {"pad unplugged", 0, false, false, false},
        {"pad with six buttons", 6, true, true, false},
        {"same pad", 32, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Buttons({0, 5, 31});
        NextUpdate();
        unsigned char states[32] = {};
        states[0] = states[5] = states[31] = GLFW_PRESS;
        in.SetJoystick(nullptr, 0, c.count ? states : nullptr, c.count);
        EXPECT_EQ(in.KeyDown(256), c.held0);
        EXPECT_EQ(in.KeyDown(256 + 5), c.held5);
        EXPECT_EQ(in.KeyDown(256 + 31), c.held31);
        EXPECT_EQ(in.KeyHit(256), 0) << "a release is no press";
        Buttons({});
        NextUpdate();
    }
}

TEST_F(InputDeviceTest, EndUpdateKeepsHeldKeysAndClearsCounts) {
    in.OnKeyDown(13);
    in.OnKeyDown(1);
    in.OnKeyUp(1);
    in.EndUpdate();
    EXPECT_EQ(in.keyStates[13], 256);
    EXPECT_EQ(in.keyStates[1], 0);
}
}  // namespace
