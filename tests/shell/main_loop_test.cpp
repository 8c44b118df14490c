// The main loop driven by a manual clock and a test window seam: catch-up, dropped time, one render per burst,
// suspend and resume, render on demand.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/clock.h"
#include "app/gxtk_app.h"
#include "graphics/graphics.h"
#include "input/input_device.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_window_state.h"

namespace {

class RecordingApp : public App {
public:
    int OnCreate() override { return log("C"); }
    int OnUpdate() override {
        if (clock && updateCost > 0) clock->Advance(updateCost);
        return log("U");
    }
    int OnSuspend() override { return log("S"); }
    int OnResume() override { return log("R"); }
    int OnRender() override { return log("D"); }

    int log(const char* event) {
        events += event;
        return 0;
    }

    std::string events;
    app::ManualClock* clock = nullptr;
    double updateCost = 0;  // seconds each update takes
};

class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
        testsupport::ResizeWindow(640, 480);
        static GraphicsContext context;
        graphics::context = &context;
        game.clock = &clock;
        device = std::make_unique<AppDevice>(&game);
        device->clock = &clock;
        device->windowState = &window;
        device->InvokeOnCreate();
        device->SetUpdateRate(60);
        game.events.clear();
    }

    // Runs loop passes until the given number of updates has happened (or a pass limit).
    void RunUntilUpdates(long updates) {
        for (int i = 0; i < 10000 && device->updateCount < updates; ++i) device->Tick();
    }

    RecordingApp game;
    app::ManualClock clock;
    testsupport::TestWindowState window;
    std::unique_ptr<AppDevice> device;
};

TEST_F(MainLoopTest, SleepsUntilTheNextUpdateThenUpdatesAndRendersOnce) {
    int sleepsBefore = clock.sleeps;
    device->Tick();
    EXPECT_EQ(game.events, "");
    EXPECT_EQ(clock.sleeps, sleepsBefore + 1);
    EXPECT_NEAR(clock.now, 1.0 / 60.0, 1e-6);
    device->Tick();
    EXPECT_EQ(game.events, "UD");
}

TEST_F(MainLoopTest, SlowUpdatesRunSevenPassesThenDropTheBacklog) {
    game.updateCost = 0.05;  // three periods per update
    clock.now = device->nextTickTime;
    device->Tick();
    EXPECT_EQ(game.events, "UUUUUUUD");
    // The schedule restarts from the current time: the dropped time is never made up.
    EXPECT_NEAR(device->nextTickTime, clock.now, 1e-9);
}

TEST_F(MainLoopTest, ALateWakeCatchesUpAndRendersOnce) {
    clock.now = device->nextTickTime + 2.5 / 60.0;  // three updates are due
    device->Tick();
    EXPECT_EQ(game.events, "UUUD");
}

TEST_F(MainLoopTest, IconifySuspendsOnceAndFocusResumesOnePeriodLater) {
    window.iconified = true;
    device->Tick();
    device->Tick();
    EXPECT_EQ(game.events, "S");
    EXPECT_TRUE(device->isSuspended);
    EXPECT_EQ(device->updateHz, 60);  // remembered while the timer is stopped
    EXPECT_GE(window.waits, 1);

    // Restored but not focused: nothing is raised, the loop waits.
    window.iconified = false;
    window.focused = false;
    device->Tick();
    EXPECT_EQ(game.events, "S");

    window.focused = true;
    clock.Advance(10);
    device->Tick();
    EXPECT_EQ(game.events, "SR");
    EXPECT_FALSE(device->isSuspended);
    EXPECT_NEAR(device->nextTickTime, clock.now + 1.0 / 60.0, 1e-9);
}

TEST_F(MainLoopTest, AnUnfocusedWindowKeepsUpdating) {
    window.focused = false;
    RunUntilUpdates(3);
    EXPECT_EQ(game.events, "UDUDUD");
}

TEST_F(MainLoopTest, RateZeroRendersOnDemandAndWaits) {
    device->SetUpdateRate(0);
    device->Tick();
    device->Tick();
    EXPECT_EQ(game.events, "DD");
    EXPECT_EQ(window.waits, 2);
    EXPECT_EQ(device->updateCount, 0);
}

TEST_F(MainLoopTest, MilliSecsFollowsTheClock) {
    clock.now = 12.3456;
    EXPECT_EQ(device->MilliSecs(), 12345);
}

}  // namespace

namespace {

using WindowCallbacks = MainLoopTest;

TEST_F(WindowCallbacks, KeysMouseAndCharactersReachTheInputDevice) {
    gxtkInput& input = *device->inputDevice;
    gxtkApp::OnKey(nullptr, GLFW_KEY_LEFT, 0, GLFW_PRESS, 0);
    gxtkApp::OnKey(nullptr, GLFW_KEY_LEFT, 0, GLFW_REPEAT, 0);
    gxtkApp::OnKey(nullptr, GLFW_KEY_KP_1, 0, GLFW_PRESS, 0);  // no code: ignored
    gxtkApp::OnChar(nullptr, 'a');
    gxtkApp::OnMouseButton(nullptr, GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS, 0);
    gxtkApp::OnMouseButton(nullptr, GLFW_MOUSE_BUTTON_4, GLFW_PRESS, 0);

    EXPECT_EQ(input.KeyDown(37), 1);
    EXPECT_EQ(input.KeyHit(37), 1);  // a repeat is not a new hit
    EXPECT_EQ(input.KeyDown(2), 1);
    EXPECT_EQ(input.GetChar(), 37 + 65536);
    EXPECT_EQ(input.GetChar(), 37 + 65536);  // but it queues the key's character again
    EXPECT_EQ(input.GetChar(), 'a');
    EXPECT_EQ(input.GetChar(), 0);

    gxtkApp::OnKey(nullptr, GLFW_KEY_LEFT, 0, GLFW_RELEASE, 0);
    gxtkApp::OnMouseButton(nullptr, GLFW_MOUSE_BUTTON_RIGHT, GLFW_RELEASE, 0);
    EXPECT_EQ(input.KeyDown(37), 0);
    EXPECT_EQ(input.KeyDown(2), 0);
}

}  // namespace
