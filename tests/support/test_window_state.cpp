#include "tests/support/test_window_state.h"

#include <GLFW/glfw3.h>

#include "app/window.h"

namespace testsupport {

void TestWindowState::PollEvents() {
    ++polls;
    glfwPollEvents();
}

void TestWindowState::SwapBuffers() {
    ++swaps;
    if (app::window) glfwSwapBuffers(app::window);
}

}  // namespace testsupport
