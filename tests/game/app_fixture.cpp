#include "tests/game/app_fixture.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <GLFW/glfw3.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/window.h"
#include "game/globals.h"
#include "tests/support/gl_window.h"

namespace testsupport {

ScratchFolder::ScratchFolder() {
    char buf[] = "/tmp/skarnfell-game-XXXXXX";
    path_ = mkdtemp(buf);
    previous_ = std::filesystem::current_path().string();
    const char* data = std::getenv("SKARNFELL_DATA_DIR");
    std::filesystem::path dataDir = data ? data : (previous_ + "/data");
    std::error_code ec;
    std::filesystem::create_directory_symlink(dataDir, path_ + "/data", ec);
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
}

void EnsureAudio() {
    static bool done = false;
    if (done) return;
    done = true;
    if (alcGetCurrentContext()) return;
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context) alcMakeContextCurrent(context);
}

}  // namespace testsupport

void AppFixture::SetUp() {
    if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
    testsupport::ResizeWindow(640, 480);
    testsupport::EnsureAudio();
    scratch_ = std::make_unique<testsupport::ScratchFolder>();
    initModules();
    game = new MyApp();
    device = new AppDevice(game);
    device->clock = &clock;
    device->windowState = &windowState;
    device->inputDevice->pollPlatform = false;
    device->InvokeOnCreate();
}

void AppFixture::TearDown() {
    delete device;
    delete game;
    device = nullptr;
    game = nullptr;
    scratch_.reset();
}

void AppFixture::Update(int n) {
    for (int i = 0; i < n; ++i) {
        long before = device->updateCount;
        if (device->updateHz == 0) {
            device->InvokeOnUpdate();
            continue;
        }
        // The loop reads the clock rounded to a float: move it to the first float at or after the due time.
        float due = static_cast<float>(device->nextTickTime);
        if (due < device->nextTickTime) due = std::nextafter(due, 1e30f);
        if (clock.now < due) clock.now = due;
        for (int guard = 0; guard < 1000 && device->updateCount == before; ++guard) device->Tick();
        ASSERT_GT(device->updateCount, before) << "the loop ran no update (window size 0?)";
    }
}

void AppFixture::UpdateOnly(int n) {
    for (int i = 0; i < n; ++i) {
        clock.Advance(1.0 / 60.0);
        // Keep the loop's schedule in step, so a later Update() does not catch up on these.
        device->nextTickTime += device->tickPeriod;
        device->InvokeOnUpdate();
    }
}

void AppFixture::Render() { device->InvokeOnRender(); }

void AppFixture::FinishLoading() {
    for (int i = 0; i < 200 && game->loadStage > 0; ++i) Update();
}

void AppFixture::Resize(int width, int height) { testsupport::ResizeWindow(width, height); }
