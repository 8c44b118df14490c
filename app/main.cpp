// Process entry: the window, the OpenAL device, the module start, then the main loop until the window closes.
#include <AL/al.h>
#include <AL/alc.h>
#include <GLFW/glfw3.h>

#include <csignal>
#include <exception>

#include "app/gxtk_app.h"
#include "app/runtime.h"
#include "app/window.h"
#include "game/globals.h"
#include "game/my_app.h"

namespace {
int storedArgc = 0;
char** storedArgv = nullptr;
ALCdevice* alDevice = nullptr;
ALCcontext* alContext = nullptr;

void runMain() {
    // Both live for the whole run.
    MyApp* game = new MyApp();
    new AppDevice(game);
}

void startProgram(int argc, char** argv) {
    storedArgc = argc;
    storedArgv = argv;
    std::signal(SIGSEGV, sighandler);
    std::signal(SIGILL, sighandler);
    std::signal(SIGFPE, sighandler);
    initModules();
    runMain();
}

bool OpenWindow() {
    const GLFWvidmode* desktop = glfwGetVideoMode(glfwGetPrimaryMonitor());
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
    // No depth or stencil buffer: nothing uses them, and the software rasterizer pays for them every frame.
    glfwWindowHint(GLFW_DEPTH_BITS, 0);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    app::window = glfwCreateWindow(640, 480, "Skarnfell", nullptr, nullptr);
    if (!app::window) return false;
    if (desktop) glfwSetWindowPos(app::window, (desktop->width - 640) / 2, (desktop->height - 480) / 2);
    glfwSetWindowTitle(app::window, "Skarnfell");
    glfwMakeContextCurrent(app::window);
    return true;
}

void OpenAudio() {
    alDevice = alcOpenDevice(nullptr);
    if (!alDevice) {
        Print(u"alcOpenDevice failed");
        return;
    }
    alContext = alcCreateContext(alDevice, nullptr);
    if (!alContext) {
        Print(u"alcCreateContext failed");
        return;
    }
    if (!alcMakeContextCurrent(alContext)) Print(u"alcMakeContextCurrent failed");
}
}  // namespace

int main(int argc, char** argv) {
    if (!glfwInit()) {
        Print(u"glfwInit failed");
        return -1;
    }
    if (!OpenWindow()) {
        Print(u"glfwOpenWindow failed");
        glfwTerminate();
        return -1;
    }
    OpenAudio();
    try {
        startProgram(argc, argv);
        if (runner) runner();
    } catch (const char*) {
        // A plain text thrown by the runtime ends the loop quietly.
    } catch (...) {
        Print(u"Marmo Runtime Error : Uncaught Marmo Exception");
    }
    if (alContext) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(alContext);
    }
    if (alDevice) alcCloseDevice(alDevice);
    glfwTerminate();
    return 0;
}
