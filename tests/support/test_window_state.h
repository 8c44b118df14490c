#pragma once
// A window seam for tests: the window state is set by the test and waiting never blocks.
#include "app/window_state.h"

namespace testsupport {

class TestWindowState final : public app::WindowState {
public:
    bool IsOpen() override { return open; }
    bool Iconified() override { return iconified; }
    bool Focused() override { return focused; }
    void PollEvents() override;
    void WaitEvents() override { ++waits; }
    void SwapBuffers() override;

    bool open = true;
    bool iconified = false;
    bool focused = true;
    int waits = 0;
    int polls = 0;
    int swaps = 0;
};

}  // namespace testsupport
