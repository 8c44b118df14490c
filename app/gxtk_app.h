#pragma once
// The platform application: owns the three devices, runs the main loop and turns window events into device input.
#include <memory>

#include "app/clock.h"
#include "app/gxtk_object.h"
#include "app/text.h"
#include "app/window_comforts.h"
#include "app/window_state.h"

class gxtkGraphics;
class gxtkInput;
class gxtkAudio;
class App;

class gxtkApp : public gxtkObject {
public:
    gxtkApp();
    ~gxtkApp() override;

    virtual gxtkGraphics* GraphicsDevice();
    virtual gxtkInput* InputDevice();
    virtual gxtkAudio* AudioDevice();
    virtual String AppTitle();
    virtual String LoadState();
    virtual int SaveState(const String& text);
    virtual String LoadString(const String& path);
    virtual int SetUpdateRate(int hz);
    virtual int MilliSecs();
    virtual int Loading();
    virtual int OnCreate();
    virtual int OnSuspend();
    virtual int OnResume();
    virtual int OnUpdate();
    virtual int OnRender();
    virtual int OnLoading();

    // The main loop; returns when the window closes.
    void Run();

    void InvokeOnCreate();
    void InvokeOnUpdate();
    void InvokeOnRender();
    void InvokeOnSuspend();
    void InvokeOnResume();

    // One pass of the loop's body (steps after the window-open test); Run repeats it. Tests call it directly.
    void Tick();

    // Window callbacks (GLFW 3 signatures), registered by Run.
    static void OnKey(struct GLFWwindow* window, int key, int scancode, int action, int mods);
    static void OnChar(struct GLFWwindow* window, unsigned int character);
    static void OnMouseButton(struct GLFWwindow* window, int button, int action, int mods);
    static void OnWindowSize(struct GLFWwindow* window, int width, int height);
    static void OnWindowRefresh(struct GLFWwindow* window);

    gxtkGraphics* graphicsDevice = nullptr;
    gxtkInput* inputDevice = nullptr;
    gxtkAudio* audioDevice = nullptr;
    int updateHz = 0;
    double nextTickTime = 0;
    double tickPeriod = 0;
    bool isSuspended = false;

    // Updates and renders run so far (tests and benchmarks read them).
    long updateCount = 0;
    long renderCount = 0;

    // The time seam: the GLFW clock unless a test installs its own.
    app::Clock* clock = nullptr;
    // The window seam: GLFW unless a test installs its own.
    app::WindowState* windowState = nullptr;

    app::WindowComforts comforts;

    // The one platform application object; the window callbacks reach the input device through it.
    static gxtkApp* app;

private:
    std::unique_ptr<app::Clock> ownClock_;
    std::unique_ptr<app::WindowState> ownWindowState_;
};

// Bridges the shell's events to the game object.
class AppDevice : public gxtkApp {
public:
    explicit AppDevice(App* gameObject);

    int SetUpdateRate(int hz) override;
    int OnCreate() override;
    int OnUpdate() override;
    int OnSuspend() override;
    int OnResume() override;
    int OnRender() override;
    int OnLoading() override;

    App* game = nullptr;
};

extern void (*runner)();
void RunApp();

namespace app {
extern AppDevice* device;

int SetUpdateRate(int hz);
int Millisecs();
String LoadState();
int SaveState(const String& text);
}  // namespace app
