#include "input/input_device.h"

namespace input {
gxtkInput* device = nullptr;

namespace {
// Each joystick unit owns 16 axis indexes and 16 button codes.
constexpr int kUnitStride = 16;
constexpr int kFirstJoyButton = 256;
constexpr int kFirstTouch = 384;
}  // namespace

int SetInputDevice(gxtkInput* dev) {
    device = dev;
    return 0;
}

int KeyDown(int code) { return device->KeyDown(code); }
int GetChar() { return device->GetChar(); }
int EnableKeyboard() { return device->SetKeyboardEnabled(1); }
int DisableKeyboard() { return device->SetKeyboardEnabled(0); }
float MouseX() { return device->MouseX(); }
float MouseY() { return device->MouseY(); }
int MouseDown(int button) { return device->KeyDown(button + 1); }
int MouseHit(int button) { return device->KeyHit(button + 1); }
int TouchDown(int finger) { return device->KeyDown(kFirstTouch + finger); }
float TouchX(int finger) { return device->TouchX(finger); }
float TouchY(int finger) { return device->TouchY(finger); }
float JoyX(int index, int unit) { return device->JoyX(index + kUnitStride * unit); }
float JoyY(int index, int unit) { return device->JoyY(index + kUnitStride * unit); }
int JoyDown(int button, int unit) { return device->KeyDown(kFirstJoyButton + kUnitStride * unit + button); }
float AccelX() { return 0; }
float AccelY() { return 0; }
}  // namespace input
