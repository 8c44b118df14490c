// F11 / Alt+Enter fullscreen and the F12 screenshot, on the real window.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
#include <stb/stb_image.h>
#include <unistd.h>

#include <filesystem>

#include "app/window.h"
#include "app/window_comforts.h"
#include "graphics/render_device.h"
#include "tests/support/gl_window.h"

namespace {

void WaitForFramebuffer(int w, int h) {
    for (int i = 0; i < 300; ++i) {
        glfwPollEvents();
        int fw = 0, fh = 0;
        glfwGetFramebufferSize(app::window, &fw, &fh);
        if (fw == w && fh == h) return;
        glfwWaitEventsTimeout(0.01);
    }
}

TEST(WindowComforts, FullscreenTogglesToTheMonitorAndBack) {
    if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
    testsupport::ResizeWindow(640, 480);
    app::WindowComforts comforts;
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    ASSERT_NE(mode, nullptr);

    EXPECT_TRUE(comforts.HandleKey(GLFW_KEY_F11, GLFW_PRESS, 0));
    WaitForFramebuffer(mode->width, mode->height);
    int w = 0, h = 0;
    glfwGetFramebufferSize(app::window, &w, &h);
    EXPECT_EQ(w, mode->width);
    EXPECT_EQ(h, mode->height);

    EXPECT_TRUE(comforts.HandleKey(GLFW_KEY_ENTER, GLFW_PRESS, GLFW_MOD_ALT));
    WaitForFramebuffer(640, 480);
    glfwGetFramebufferSize(app::window, &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);

    EXPECT_FALSE(comforts.HandleKey(GLFW_KEY_ENTER, GLFW_PRESS, 0));
    EXPECT_FALSE(comforts.HandleKey(GLFW_KEY_F10, GLFW_PRESS, 0));
}

TEST(WindowComforts, F12SavesTheNextFrameAsAPicture) {
    if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
    testsupport::ResizeWindow(640, 480);
    auto previous = std::filesystem::current_path();
    char dir[] = "/tmp/skarnfell-shot-XXXXXX";
    std::filesystem::current_path(mkdtemp(dir));

    gxtkGraphics device;
    ASSERT_TRUE(device.Validate());
    device.BeginRender();
    device.Cls(10, 200, 30);
    app::WindowComforts comforts;
    EXPECT_TRUE(comforts.HandleKey(GLFW_KEY_F12, GLFW_PRESS, 0));
    testing::internal::CaptureStdout();
    comforts.AfterRender(device);
    std::string out = testing::internal::GetCapturedStdout();

    std::filesystem::path shot;
    for (auto& entry : std::filesystem::directory_iterator(".")) shot = entry.path();
    ASSERT_FALSE(shot.empty()) << out;
    EXPECT_EQ(shot.filename().string().rfind("skarnfell-", 0), 0u);
    int w, h, n;
    unsigned char* pixels = stbi_load(shot.c_str(), &w, &h, &n, 3);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(pixels[0], 10);
    EXPECT_EQ(pixels[1], 200);
    EXPECT_EQ(pixels[2], 30);
    stbi_image_free(pixels);

    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}

}  // namespace
