#include "input/input_device.h"

#include <GLFW/glfw3.h>

#include "app/window.h"

namespace {
constexpr int kHeld = 256;
constexpr int kCountMask = 255;
constexpr int kShift = 16, kLeftShift = 160, kRightShift = 161;
constexpr int kControl = 17, kLeftControl = 162, kRightControl = 163;
constexpr int kFirstJoyButton = 256;
constexpr int kMaxJoyButtons = 32;
constexpr int kTouchZero = 384;

// Left stick X, Y, Z, then right stick X, Y, Z.
enum Axis { kLeftX, kLeftY, kLeftZ, kRightX, kRightY, kRightZ, kAxisCount };

bool InTable(int code) { return code >= 1 && code < 512; }
}  // namespace

int gxtkInput::SetKeyboardEnabled(int enabled) { return 0; }

int gxtkInput::KeyDown(int code) {
    if (code == kTouchZero) code = 1;
    return InTable(code) ? (keyStates[code] & kHeld) >> 8 : 0;
}

int gxtkInput::KeyHit(int code) {
    if (code == kTouchZero) code = 1;
    return InTable(code) ? keyStates[code] & kCountMask : 0;
}

int gxtkInput::GetChar() { return charGet < charPut ? charQueue[charGet++] : 0; }

float gxtkInput::MouseX() { return cursorX; }
float gxtkInput::MouseY() { return cursorY; }

float gxtkInput::JoyX(int n) {
    if (n == 0) return joyAxes[kLeftX];
    if (n == 1) return joyAxes[kRightX];
    return 0;
}

// The left stick keeps GLFW's sign; the right one is flipped (as the game's pads expect).
float gxtkInput::JoyY(int n) {
    if (n == 0) return joyAxes[kLeftY];
    if (n == 1) return -joyAxes[kRightY];
    return 0;
}

float gxtkInput::JoyZ(int n) {
    if (n == 0) return joyAxes[kLeftZ];
    if (n == 1) return joyAxes[kRightZ];
    return 0;
}

float gxtkInput::TouchX(int finger) { return cursorX; }
float gxtkInput::TouchY(int finger) { return cursorY; }
float gxtkInput::AccelX() { return 0; }
float gxtkInput::AccelY() { return 0; }
float gxtkInput::AccelZ() { return 0; }

void gxtkInput::OnKeyDown(int code) {
    if (!InTable(code)) return;
    if (keyStates[code] & kHeld) return;
    keyStates[code] = (keyStates[code] | kHeld) + 1;
    if (code == kLeftShift || code == kRightShift) OnKeyDown(kShift);
    if (code == kLeftControl || code == kRightControl) OnKeyDown(kControl);
}

void gxtkInput::OnKeyUp(int code) {
    if (!InTable(code)) return;
    if (!(keyStates[code] & kHeld)) return;
    keyStates[code] &= ~kHeld;
    if ((code == kLeftShift || code == kRightShift) && !KeyDown(kLeftShift) && !KeyDown(kRightShift))
        OnKeyUp(kShift);
    if ((code == kLeftControl || code == kRightControl) && !KeyDown(kLeftControl) && !KeyDown(kRightControl))
        OnKeyUp(kControl);
}

void gxtkInput::PutChar(int character) {
    if (charPut < 32) charQueue[charPut++] = character;
}

void gxtkInput::BeginUpdate() {
    if (!pollPlatform) return;
    if (app::window) {
        double x = 0, y = 0;
        int winW = 0, winH = 0, fbW = 0, fbH = 0;
        glfwGetCursorPos(app::window, &x, &y);
        glfwGetWindowSize(app::window, &winW, &winH);
        glfwGetFramebufferSize(app::window, &fbW, &fbH);
        // The render device works in framebuffer pixels; on HiDPI displays they outnumber window coordinates.
        cursorX = static_cast<float>(winW > 0 ? x * fbW / winW : x);
        cursorY = static_cast<float>(winH > 0 ? y * fbH / winH : y);
    }
    int axisCount = 0, buttonCount = 0;
    const float* axes = nullptr;
    const unsigned char* buttons = nullptr;
    if (glfwJoystickPresent(GLFW_JOYSTICK_1)) {
        axes = glfwGetJoystickAxes(GLFW_JOYSTICK_1, &axisCount);
        buttons = glfwGetJoystickButtons(GLFW_JOYSTICK_1, &buttonCount);
        // A pad unplugged between the two calls reports null.
        if (!axes) axisCount = 0;
        if (!buttons) buttonCount = 0;
    }
    SetJoystick(axes, axisCount, buttons, buttonCount);
}

void gxtkInput::SetJoystick(const float* axes, int axisCount, const unsigned char* buttons, int buttonCount) {
    for (float& a : joyAxes) a = 0;
    for (int i = 0; i < axisCount && i < kAxisCount; ++i) joyAxes[i] = axes[i];
    // Common pads report their sticks in these orders; six-axis pads are already in ours.
    if (axisCount == 4) {
        joyAxes[kRightY] = joyAxes[kLeftZ];
        joyAxes[kLeftZ] = 0;
    } else if (axisCount == 5) {
        float rightX = joyAxes[kRightY];
        joyAxes[kRightY] = joyAxes[kRightX];
        joyAxes[kRightX] = rightX;
    }
    // Sampled once per update, the buttons then behave exactly like keys, press counts included.
    if (buttonCount > kMaxJoyButtons) buttonCount = kMaxJoyButtons;
    for (int i = 0; i < buttonCount; ++i) {
        if (buttons[i] == GLFW_PRESS)
            OnKeyDown(kFirstJoyButton + i);
        else
            OnKeyUp(kFirstJoyButton + i);
    }
    // A pad unplugged (or swapped for a smaller one) while a button was down reports nothing for that button, and
    // nothing else would ever release its key.
    for (int i = buttonCount; i < kMaxJoyButtons; ++i) OnKeyUp(kFirstJoyButton + i);
}

void gxtkInput::EndUpdate() {
    for (int& state : keyStates) state &= kHeld;
    charPut = charGet = 0;
}
