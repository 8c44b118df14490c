#include "app/window_state.h"

#include <GLFW/glfw3.h>

#include "app/window.h"

namespace app {

bool GlfwWindowState::IsOpen() { return window && !glfwWindowShouldClose(window); }
bool GlfwWindowState::Iconified() { return glfwGetWindowAttrib(window, GLFW_ICONIFIED) != 0; }
bool GlfwWindowState::Focused() { return glfwGetWindowAttrib(window, GLFW_FOCUSED) != 0; }
void GlfwWindowState::PollEvents() { glfwPollEvents(); }
void GlfwWindowState::WaitEvents() { glfwWaitEvents(); }
void GlfwWindowState::SwapBuffers() { glfwSwapBuffers(window); }

}  // namespace app
