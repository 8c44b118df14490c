#include "app/app.h"
#include "app/gxtk_app.h"
#include "audio/audio_device.h"
#include "graphics/graphics.h"
#include "input/input_device.h"

namespace app {
AppDevice* device = nullptr;

int SetUpdateRate(int hz) { return device->SetUpdateRate(hz); }
int Millisecs() { return device->MilliSecs(); }
String LoadState() { return device->LoadState(); }
int SaveState(const String& text) { return device->SaveState(text); }
}  // namespace app

AppDevice::AppDevice(App* gameObject) : game(gameObject) {
    graphics::SetGraphicsDevice(GraphicsDevice());
    input::SetInputDevice(InputDevice());
    audio::SetAudioDevice(AudioDevice());
    app::device = this;
}

int AppDevice::SetUpdateRate(int hz) { return gxtkApp::SetUpdateRate(hz); }

int AppDevice::OnCreate() {
    graphics::SetFont(nullptr, 32);
    return game->OnCreate();
}

int AppDevice::OnUpdate() { return game->OnUpdate(); }
int AppDevice::OnSuspend() { return game->OnSuspend(); }
int AppDevice::OnResume() { return game->OnResume(); }

int AppDevice::OnRender() {
    graphics::BeginRender();
    game->OnRender();
    graphics::renderDevice = nullptr;
    return 0;
}

int AppDevice::OnLoading() {
    graphics::BeginRender();
    game->OnLoading();
    graphics::renderDevice = nullptr;
    return 0;
}
