#include "tests/graphics/module_fixture.h"

#include "tests/support/gl_window.h"

namespace gfxtest {

void ModuleTest::SetUp() {
    if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
    testsupport::ResizeWindow(640, 480);
    ASSERT_TRUE(spy.Validate());
    spy.BeginRender();
    graphics::SetGraphicsDevice(&spy);
    graphics::context = &ctx;
    graphics::BeginRender();
    graphics::Cls(0, 0, 0);
}

void ModuleTest::TearDown() {
    graphics::EndRender();
    graphics::context = nullptr;
    graphics::SetGraphicsDevice(nullptr);
}

unsigned ModuleTest::Rgb(int x, int y) {
    int p = 0;
    spy.ReadPixels(&p, x, y, 1, 1, 0, 1);
    return static_cast<unsigned>(p) & 0xFFFFFF;
}

}  // namespace gfxtest
