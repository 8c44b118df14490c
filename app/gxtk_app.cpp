// The main loop: fixed-rate updates with bounded catch-up, one render per burst, sleeping until the next update,
// suspension while iconified, and render-on-demand when the update rate is 0.
#include "app/gxtk_app.h"

#include <GLFW/glfw3.h>

#include "app/app.h"
#include "app/state_file.h"
#include "app/window.h"
#include "audio/audio_device.h"
#include "graphics/render_device.h"
#include "input/input_device.h"
#include "input/key_codes.h"

gxtkApp* gxtkApp::app = nullptr;
void (*runner)() = nullptr;

namespace {
constexpr int kCatchUpLimit = 7;
}

void RunApp() { gxtkApp::app->Run(); }

gxtkApp::gxtkApp()
    : ownClock_(std::make_unique<app::GlfwClock>()), ownWindowState_(std::make_unique<app::GlfwWindowState>()) {
    clock = ownClock_.get();
    windowState = ownWindowState_.get();
    app = this;
    graphicsDevice = new gxtkGraphics();
    inputDevice = new gxtkInput();
    audioDevice = new gxtkAudio();
    updateHz = 0;
    isSuspended = false;
    runner = RunApp;
}

gxtkApp::~gxtkApp() {
    delete audioDevice;
    delete inputDevice;
    delete graphicsDevice;
    if (app == this) app = nullptr;
}

gxtkGraphics* gxtkApp::GraphicsDevice() { return graphicsDevice; }
gxtkInput* gxtkApp::InputDevice() { return inputDevice; }
gxtkAudio* gxtkApp::AudioDevice() { return audioDevice; }
String gxtkApp::AppTitle() { return u"<TODO>"; }
String gxtkApp::LoadState() { return statefile::LoadStateFile(); }
int gxtkApp::SaveState(const String& text) { return statefile::SaveStateFile(text); }
String gxtkApp::LoadString(const String& path) { return statefile::LoadStringFile(path); }

int gxtkApp::SetUpdateRate(int hz) {
    updateHz = hz;
    if (hz != 0) {
        tickPeriod = 1.0 / hz;
        nextTickTime = clock->Now() + tickPeriod;
    }
    return 0;
}

int gxtkApp::MilliSecs() { return static_cast<int>(clock->Now() * 1000.0); }
int gxtkApp::Loading() { return 0; }
int gxtkApp::OnCreate() { return 0; }
int gxtkApp::OnSuspend() { return 0; }
int gxtkApp::OnResume() { return 0; }
int gxtkApp::OnUpdate() { return 0; }
int gxtkApp::OnRender() { return 0; }
int gxtkApp::OnLoading() { return 0; }

void gxtkApp::Run() {
    // GLFW 3 reports repeats as their own action (handled in OnKey) and polls only when asked.
    glfwSetKeyCallback(app::window, OnKey);
    glfwSetCharCallback(app::window, OnChar);
    glfwSetWindowSizeCallback(app::window, OnWindowSize);
    glfwSetWindowRefreshCallback(app::window, OnWindowRefresh);
    glfwSetMouseButtonCallback(app::window, OnMouseButton);

    InvokeOnCreate();
    if (!isSuspended && graphicsDevice->Validate()) InvokeOnRender();
    while (windowState->IsOpen()) Tick();
}

void gxtkApp::Tick() {
    if (windowState->Iconified()) {
        if (!isSuspended) {
            InvokeOnSuspend();
        } else {
            windowState->WaitEvents();
        }
        return;
    }
    if (windowState->Focused() && isSuspended) {
        InvokeOnResume();
        return;
    }
    if (isSuspended) {
        windowState->WaitEvents();
        return;
    }
    if (updateHz == 0) {
        graphicsDevice->Validate();
        if (graphicsDevice->width >= 1 && graphicsDevice->height >= 1) {
            graphicsDevice->BeginRender();
            OnRender();
            graphicsDevice->Flush();
            windowState->SwapBuffers();
            ++renderCount;
        }
        windowState->WaitEvents();
        return;
    }

    double now = static_cast<float>(clock->Now());
    if (nextTickTime > now) {
        clock->Sleep(nextTickTime - now);
        return;
    }

    windowState->PollEvents();
    for (int pass = 1; pass <= kCatchUpLimit; ++pass) {
        nextTickTime += tickPeriod;
        if (!isSuspended && updateHz != 0 && graphicsDevice->Validate()) InvokeOnUpdate();
        if (updateHz == 0 || nextTickTime > clock->Now()) break;
        if (pass == kCatchUpLimit) {
            // Time that could not be caught up is dropped, never made up later.
            nextTickTime = clock->Now();
            break;
        }
    }
    if (!isSuspended && graphicsDevice->Validate()) InvokeOnRender();
}

void gxtkApp::InvokeOnCreate() {
    graphicsDevice->Validate();
    OnCreate();
}

void gxtkApp::InvokeOnUpdate() {
    inputDevice->BeginUpdate();
    OnUpdate();
    inputDevice->EndUpdate();
    ++updateCount;
}

void gxtkApp::InvokeOnRender() {
    graphicsDevice->BeginRender();
    OnRender();
    if (graphicsDevice->Mode() != 0 && graphicsDevice->primCount > 0) graphicsDevice->Flush();
    comforts.AfterRender(*graphicsDevice);
    windowState->SwapBuffers();
    ++renderCount;
}

void gxtkApp::InvokeOnSuspend() {
    if (isSuspended) return;
    isSuspended = true;
    OnSuspend();
    audioDevice->OnSuspend();
    if (updateHz != 0) {
        int remembered = updateHz;
        SetUpdateRate(0);
        updateHz = remembered;
    }
}

void gxtkApp::InvokeOnResume() {
    if (!isSuspended) return;
    if (updateHz != 0) {
        int remembered = updateHz;
        updateHz = 0;
        SetUpdateRate(remembered);
    }
    audioDevice->OnResume();
    OnResume();
    isSuspended = false;
}

void gxtkApp::OnKey(GLFWwindow*, int key, int, int action, int mods) {
    if (!app || app->comforts.HandleKey(key, action, mods)) return;
    int code = TransKey(key);
    if (code == 0) return;
    gxtkInput* input = app->inputDevice;
    if (action == GLFW_RELEASE) {
        input->OnKeyUp(code);
    } else if (action == GLFW_PRESS || action == GLFW_REPEAT) {
        // A repeat is a press to the game, as with key repeat enabled: it queues the key's character again but
        // does not count as a new hit.
        input->OnKeyDown(code);
        int c = KeyToChar(code);
        if (c != 0) input->PutChar(c);
    }
}

void gxtkApp::OnChar(GLFWwindow*, unsigned int character) {
    if (app) app->inputDevice->PutChar(static_cast<int>(character));
}

void gxtkApp::OnMouseButton(GLFWwindow*, int button, int action, int) {
    int code = 0;
    switch (button) {
        case GLFW_MOUSE_BUTTON_LEFT: code = 1; break;
        case GLFW_MOUSE_BUTTON_RIGHT: code = 2; break;
        case GLFW_MOUSE_BUTTON_MIDDLE: code = 3; break;
        default: return;
    }
    if (!app) return;
    if (action == GLFW_PRESS) app->inputDevice->OnKeyDown(code);
    if (action == GLFW_RELEASE) app->inputDevice->OnKeyUp(code);
}

void gxtkApp::OnWindowSize(GLFWwindow*, int, int) {}
void gxtkApp::OnWindowRefresh(GLFWwindow*) {}
