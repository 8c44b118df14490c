#include "app/window_comforts.h"

#include <GLFW/glfw3.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <ctime>
#include <vector>

#include "app/window.h"
#include "graphics/render_device.h"

namespace app {

namespace {
// The monitor holding the window's centre, or the primary one.
GLFWmonitor* CurrentMonitor() {
    int x, y, w, h;
    glfwGetWindowPos(window, &x, &y);
    glfwGetWindowSize(window, &w, &h);
    int cx = x + w / 2, cy = y + h / 2;
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    for (int i = 0; i < count; ++i) {
        int mx, my;
        glfwGetMonitorPos(monitors[i], &mx, &my);
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
        if (mode && cx >= mx && cx < mx + mode->width && cy >= my && cy < my + mode->height) return monitors[i];
    }
    return glfwGetPrimaryMonitor();
}

std::string ScreenshotName() {
    std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string base = std::string("skarnfell-") + stamp;
    std::string name = base + ".png";
    for (int n = 2; std::FILE* f = std::fopen(name.c_str(), "rb"); ++n) {
        std::fclose(f);
        name = base + "-" + std::to_string(n) + ".png";
    }
    return name;
}
}  // namespace

bool WindowComforts::HandleKey(int glfwKey, int action, int mods) {
    bool fullscreenKey = glfwKey == GLFW_KEY_F11 || (glfwKey == GLFW_KEY_ENTER && (mods & GLFW_MOD_ALT));
    if (fullscreenKey) {
        if (action == GLFW_PRESS) ToggleFullscreen();
        return true;
    }
    if (glfwKey == GLFW_KEY_F12) {
        if (action == GLFW_PRESS) screenshotPending = true;
        return true;
    }
    return false;
}

void WindowComforts::ToggleFullscreen() {
    if (!window) return;
    if (glfwGetWindowMonitor(window)) {
        glfwSetWindowMonitor(window, nullptr, windowedX_, windowedY_, windowedW_, windowedH_, 0);
        return;
    }
    GLFWmonitor* monitor = CurrentMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) return;
    glfwGetWindowPos(window, &windowedX_, &windowedY_);
    glfwGetWindowSize(window, &windowedW_, &windowedH_);
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
}

void WindowComforts::AfterRender(gxtkGraphics& device) {
    if (!screenshotPending) return;
    screenshotPending = false;
    std::string name = SaveScreenshot(device);
    if (!name.empty()) std::printf("Screenshot %s\n", name.c_str());
    std::fflush(stdout);
}

std::string WindowComforts::SaveScreenshot(gxtkGraphics& device) {
    int w = device.width, h = device.height;
    if (w <= 0 || h <= 0) return {};
    std::vector<int> argb(static_cast<size_t>(w) * h);
    device.ReadPixels(argb.data(), 0, 0, w, h, 0, w);
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < argb.size(); ++i) {
        unsigned v = static_cast<unsigned>(argb[i]);
        rgb[i * 3] = (v >> 16) & 255;
        rgb[i * 3 + 1] = (v >> 8) & 255;
        rgb[i * 3 + 2] = v & 255;
    }
    std::string name = ScreenshotName();
    if (!stbi_write_png(name.c_str(), w, h, 3, rgb.data(), w * 3)) return {};
    return name;
}

}  // namespace app
