#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "input/input_device.h"
#include "tests/support/gl_window.h"

namespace {
// BeginUpdate against the real window: the cursor is read from GLFW, and with no pad plugged in (as on the test
// machines) stale axes are cleared and buttons still down are released.
TEST(InputPolling, BeginUpdateReadsTheCursorAndAnAbsentPad) {
    GLFWwindow* window = testsupport::EnsureWindow();
    if (!window) GTEST_SKIP() << "no display";
    if (glfwJoystickPresent(GLFW_JOYSTICK_1)) GTEST_SKIP() << "a joystick is plugged in";

    glfwSetCursorPos(window, 123, 45);
    glfwPollEvents();
    gxtkInput in;
    const float stale[6] = {1, 1, 1, 1, 1, 1};
    const unsigned char held[2] = {GLFW_PRESS, GLFW_PRESS};
    in.SetJoystick(stale, 6, held, 2);
    in.BeginUpdate();

    EXPECT_FLOAT_EQ(in.MouseX(), 123);
    EXPECT_FLOAT_EQ(in.MouseY(), 45);
    for (int n : {0, 1}) EXPECT_EQ(in.JoyX(n) + in.JoyY(n) + in.JoyZ(n), 0) << n;
    EXPECT_EQ(in.KeyDown(256) + in.KeyDown(257), 0) << "buttons of a pad that is gone stay held";
}
}  // namespace
