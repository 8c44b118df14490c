#include "tests/support/gl_window.h"

#include <GLFW/glfw3.h>

#include "app/window.h"

namespace testsupport {

GLFWwindow* EnsureWindow() {
    static GLFWwindow* window = nullptr;
    static bool tried = false;
    if (tried) return window;
    tried = true;
    if (!glfwInit()) return nullptr;
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    glfwWindowHint(GLFW_DEPTH_BITS, 0);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    window = glfwCreateWindow(640, 480, "Skarnfell test", nullptr, nullptr);
    if (!window) return nullptr;
    glfwMakeContextCurrent(window);
    app::window = window;
    return window;
}

void ResizeWindow(int width, int height) {
    GLFWwindow* window = EnsureWindow();
    if (!window) return;
    glfwSetWindowSize(window, width, height);
    for (int i = 0; i < 200; ++i) {
        glfwPollEvents();
        int w = 0, h = 0;
        glfwGetFramebufferSize(window, &w, &h);
        if (w == width && h == height) return;
        glfwWaitEventsTimeout(0.01);
    }
}

}  // namespace testsupport
