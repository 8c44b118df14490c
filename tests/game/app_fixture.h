#pragma once
// Builds the program as process start does (module defaults, MyApp, AppDevice) in a real window, with a manual
// clock and a window seam that never blocks, inside a scratch folder whose data/ is the generated data. Updates run
// through the real main loop.
#include <gtest/gtest.h>

#include <string>

#include "app/clock.h"
#include "app/gxtk_app.h"
#include "app/window_state.h"
#include "game/my_app.h"
#include "input/input_device.h"
#include "tests/support/test_window_state.h"

namespace testsupport {


// Makes a scratch folder the current directory, with data/ linked to the generated data; restores on destruction.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

// Opens an OpenAL device and context once per test program (OpenAL Soft's null backend under CTest).
void EnsureAudio();

}  // namespace testsupport

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // n updates, each through the real loop with the clock moved to the moment it is due (a render follows each).
    void Update(int n = 1);
    // n updates without renders (for long runs).
    void UpdateOnly(int n = 1);
    void Render();
    // Updates until the asset loader has finished.
    void FinishLoading();

    void Press(int code) { input().OnKeyDown(code); }
    void Release(int code) { input().OnKeyUp(code); }
    // Cursor position in window pixels.
    void MoveMouse(float x, float y) {
        input().cursorX = x;
        input().cursorY = y;
    }
    // Resizes the window (the next render sees it).
    void Resize(int width, int height);

    gxtkInput& input() { return *device->inputDevice; }

    MyApp* game = nullptr;
    AppDevice* device = nullptr;
    app::ManualClock clock;
    testsupport::TestWindowState windowState;

private:
    std::unique_ptr<testsupport::ScratchFolder> scratch_;
};
