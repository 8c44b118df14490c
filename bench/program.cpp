#include "bench/program.h"

#include <AL/alc.h>
#include <GLFW/glfw3.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/window.h"
#include "game/globals.h"
#include "graphics/render_device.h"

#ifndef SKARNFELL_DATA_DIR
#define SKARNFELL_DATA_DIR "data"
#endif

namespace bench {
namespace {
bool OpenWindow(int width, int height) {
    if (!glfwInit()) return false;
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    glfwWindowHint(GLFW_DEPTH_BITS, 0);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    app::window = glfwCreateWindow(width, height, "Skarnfell", nullptr, nullptr);
    if (!app::window) return false;
    glfwMakeContextCurrent(app::window);
    glfwSwapInterval(0);
    // Window managers and Xvfb may take a moment to give the window its size.
    for (int i = 0; i < 200; ++i) {
        int w = 0, h = 0;
        glfwPollEvents();
        glfwGetFramebufferSize(app::window, &w, &h);
        if (w == width && h == height) return true;
        glfwWaitEventsTimeout(0.01);
    }
    return true;
}

void OpenAudio() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context) alcMakeContextCurrent(context);
}

std::string MakeScratchFolder() {
    char pattern[] = "/tmp/skarnfell-bench-XXXXXX";
    if (!mkdtemp(pattern)) return {};
    const char* data = std::getenv("SKARNFELL_DATA_DIR");
    std::error_code ec;
    std::filesystem::create_directory_symlink(data ? data : SKARNFELL_DATA_DIR, std::string(pattern) + "/data", ec);
    std::filesystem::current_path(pattern, ec);
    return pattern;
}
}  // namespace

Program::~Program() {
    if (!scratch_.empty()) {
        std::error_code ec;
        std::filesystem::current_path("/", ec);
        std::filesystem::remove_all(scratch_, ec);
    }
}

bool Program::Open(const ProgramOptions& options) {
    if (!OpenWindow(options.width, options.height)) {
        std::fprintf(stderr, "skarnfell_bench: no window (is DISPLAY set?)\n");
        return false;
    }
    if (options.audio) OpenAudio();
    scratch_ = MakeScratchFolder();
    const char* gl = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    renderer = gl ? gl : "?";
    initModules();
    // Both live for the whole run, as in the game.
    game = new BenchGame();
    device = new AppDevice(game);
    return true;
}

void Program::Frame() {
    // The loop reads the clock rounded to a float: move it to the first float at or after the due time.
    float due = static_cast<float>(device->nextTickTime);
    if (due < device->nextTickTime) due = std::nextafter(due, 1e30f);
    if (manualClock.now < due) manualClock.now = due;
    long before = device->renderCount;
    for (int guard = 0; guard < 100 && device->renderCount == before; ++guard) device->Tick();
}

void Program::UpdateOnly() {
    manualClock.Advance(device->tickPeriod);
    // Keep the loop's schedule in step, so the next Frame() does not catch these up.
    device->nextTickTime += device->tickPeriod;
    device->InvokeOnUpdate();
}

bool Program::FinishLoading() {
    for (int i = 0; i < 600 && game->loadStage > 0; ++i) Frame();
    return game->loadStage == 0;
}

}  // namespace bench
