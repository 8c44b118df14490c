#pragma once
// A real GLFW window with a current GL context for tests (run under Xvfb by scripts/test).

struct GLFWwindow;

namespace testsupport {
// Opens the window once per test program (640x480 unless resized) and sets app::window. Null when there is no
// display: tests that need one should GTEST_SKIP then, so a missing display is visible but not a crash.
GLFWwindow* EnsureWindow();
// Resizes the window and waits until the framebuffer has the new size.
void ResizeWindow(int width, int height);
}  // namespace testsupport
