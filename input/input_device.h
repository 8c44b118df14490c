#pragma once
// Keyboard, mouse and joystick as one table of key states indexed by the program's key codes, plus the character
// queue, the cursor and the joystick axes. Keys arrive as events; the cursor and joystick are polled per update.
#include "app/gxtk_object.h"

class gxtkInput : public gxtkObject {
public:
    virtual int SetKeyboardEnabled(int enabled);
    virtual int KeyDown(int code);
    virtual int KeyHit(int code);
    virtual int GetChar();
    virtual float MouseX();
    virtual float MouseY();
    virtual float JoyX(int n);
    virtual float JoyY(int n);
    virtual float JoyZ(int n);
    virtual float TouchX(int finger);
    virtual float TouchY(int finger);
    virtual float AccelX();
    virtual float AccelY();
    virtual float AccelZ();

    // Polls cursor and joystick 1 (GLFW) into the device.
    void BeginUpdate();
    // Clears press counts and the character queue.
    void EndUpdate();
    void OnKeyDown(int code);
    void OnKeyUp(int code);
    void PutChar(int character);

    // The joystick part of BeginUpdate, given what GLFW reported; separate so it can be fed in tests.
    void SetJoystick(const float* axes, int axisCount, const unsigned char* buttons, int buttonCount);

    // Tests feed the cursor and joystick themselves and turn polling of the platform off.
    bool pollPlatform = true;

    int keyStates[512] = {};
    int charQueue[32] = {};
    int charPut = 0;
    int charGet = 0;
    float cursorX = 0;
    float cursorY = 0;
    float joyAxes[6] = {};
};

namespace input {
extern gxtkInput* device;

int SetInputDevice(gxtkInput* dev);
int KeyDown(int code);
int GetChar();
int EnableKeyboard();
int DisableKeyboard();
float MouseX();
float MouseY();
int MouseDown(int button);
int MouseHit(int button);
int TouchDown(int finger);
float TouchX(int finger);
float TouchY(int finger);
float JoyX(int index, int unit = 0);
float JoyY(int index, int unit = 0);
int JoyDown(int button, int unit = 0);
float AccelX();
float AccelY();
}  // namespace input
