// The game's one view of input: the pointer and touches in virtual units with their press latches, the abstract
// controls of PlayKey, and the optional control schemes (character-queue controller, on-screen pad, tilt).
#include <cmath>
#include <limits>

#include "game/globals.h"
#include "game/modes.h"
#include "game/my_app.h"
#include "input/input_device.h"

namespace {
constexpr int kLeftMouse = 1;
constexpr int kFirstTouch = 384;
constexpr int kTouches = 10;
// Strictly beyond this the stick counts as a direction.
constexpr float kStickThreshold = 0.4f;

enum Control { kUp = 0, kLeft = 3, kRight = 5, kDown = 8, kAction1 = 10, kAction2 = 11, kBack = 99 };
// Controller buttons that the character queue can hold and that count as back.
constexpr int kBackButtonA = 16, kBackButtonB = 17;
constexpr int kHeld = 2, kPressedThisUpdate = 1;

enum class Stick { kNone, kUp, kLeft, kRight, kDown };

// Key lists end at the first 0; the controller's list leaves out the letters it sends as characters.
struct Binding {
    int control;
    int keys[6];
    int controllerKeys[6];
    Stick stick;
};

constexpr Binding kBindings[] = {
    {kUp, {38, 87, 265}, {38, 265}, Stick::kUp},
    {kLeft, {37, 65, 264}, {37, 264}, Stick::kLeft},
    {kRight, {39, 68, 266}, {39, 266}, Stick::kRight},
    {kDown, {40, 83, 267}, {40, 267}, Stick::kDown},
    {kAction1, {90, 74, 32, 13, 256}, {32, 13, 256}, Stick::kNone},
    {kAction2, {88, 75, 17, 257}, {17, 257}, Stick::kNone},
    {12, {67, 76, 16, 258}, {16, 258}, Stick::kNone},
    {13, {86, 73, 259}, {259}, Stick::kNone},
    {kBack, {27, 46, 8, 263}, {27, 46, 8, 263}, Stick::kNone},
};

// The order in which the gathering step looks for any active control.
constexpr int kPolledControls[] = {0, 3, 5, 8, 10, 11, 12, 13, 14, 15, 16, 17, 99};

// Letters of the character-queue controller: the first presses the control, the second releases it.
struct LetterPair {
    int control;
    char press, release;
};
constexpr LetterPair kLetterPairs[] = {
    {0, 'W', 'E'},  {8, 'X', 'Z'},  {3, 'A', 'Q'},  {5, 'D', 'C'},  {13, 'Y', 'T'}, {14, 'U', 'F'},
    {15, 'I', 'M'}, {16, 'O', 'G'}, {10, 'H', 'R'}, {11, 'J', 'N'}, {12, 'K', 'P'}, {17, 'L', 'V'},
};

const Binding* FindBinding(int control) {
    for (const Binding& b : kBindings) {
        if (b.control == control) return &b;
    }
    return nullptr;
}

bool StickActive(Stick stick) {
    switch (stick) {
        case Stick::kUp: return input::device->JoyY(0) < -kStickThreshold;
        case Stick::kLeft: return input::device->JoyX(0) < -kStickThreshold;
        case Stick::kRight: return input::device->JoyX(0) > kStickThreshold;
        case Stick::kDown: return input::device->JoyY(0) > kStickThreshold;
        default: return false;
    }
}

// Pixels to virtual units, truncated toward zero. Before the first render there is no scale yet; the pointer then
// reads 0 rather than an undefined conversion.
int ToVirtual(float pixels, float scale) {
    float units = pixels / scale;
    if (!std::isfinite(units) || std::fabs(units) >= 2147483520.0f) return 0;
    return static_cast<int>(units);
}
}  // namespace

int MyApp::PlayKey(int n) {
    if (iCadeControls != 0 && iCadeControls != 1) return 0;
    const Binding* binding = FindBinding(n);
    if (!binding) return 0;
    const int* keys = iCadeControls == 1 ? binding->controllerKeys : binding->keys;
    for (int i = 0; i < 6 && keys[i] != 0; ++i) {
        if (input::device->KeyDown(keys[i])) return 1;
    }
    if (StickActive(binding->stick)) return 1;
    if (n == kBack) return controlState[kBackButtonA] != 0 || controlState[kBackButtonB] != 0 ? 1 : 0;
    return controlState[n] != 0 ? 1 : 0;
}

int MyApp::iCade(int n) {
    if (n == 1) {
        input::device->SetKeyboardEnabled(1);
        iCadeControls = 1;
        // Whatever was typed before the controller took over is dropped.
        do {
            lastChar = input::device->GetChar();
        } while (lastChar != 0);
    } else if (n == 0) {
        input::device->SetKeyboardEnabled(0);
        iCadeControls = 0;
        controlState.fill(0);
    }
    return 0;
}

void MyApp::GatherControls() {
    gxtkInput& in = *input::device;
    mouseX = ToVirtual(in.MouseX(), scaleX);
    mouseY = ToVirtual(in.MouseY(), scaleY);
    pointerDown = in.KeyDown(kLeftMouse);
    for (int i = 0; i < kTouches; ++i) {
        touchDown[i] = 0;
        touchX[i] = touchY[i] = kUnsetInt;
        if (in.KeyDown(kFirstTouch + i) == 1) {
            touchDown[i] = 1;
            touchX[i] = ToVirtual(in.TouchX(i), scaleX);
            touchY[i] = ToVirtual(in.TouchY(i), scaleY);
            pointerDown = 1;
        }
    }
    if (pointerDown == 0) clickLatch = 0;

    bool anyControl = false;
    for (int control : kPolledControls) {
        if (PlayKey(control)) {
            anyControl = true;
            break;
        }
    }
    if (!anyControl) keyLatch = 0;

    if (keyLatch == 0 && clickLatch == 0 && PlayKey(kBack) && mode == kTitleMenu && creditsOpen == 1) {
        creditsOpen = 0;
        keyLatch = clickLatch = 1;
    }
}

namespace {
constexpr int kPadSheet = 94;
constexpr int kIconSheet = 97;
constexpr int kRoundModes = 5;
constexpr int kPadX = 10, kPadHeight = 11, kPadSize = 12;
constexpr int kPadMargin = 32;
constexpr int kPadMinSize = 8, kPadMaxSize = 25;
constexpr float kPadSpacing = 32;
constexpr float kActionSpacing = 24;
// Spreading two fingers by this many units grows the pad by a tenth.
constexpr int kPinchUnit = 16;
constexpr float kTiltEase = 0.25f, kTiltSnap = 0.005f;
constexpr float kTiltDotReach = 20;
constexpr float kCalibrationInset = 24;

int Upper(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

void ReadController(MyApp& g) {
    for (;;) {
        g.lastChar = input::device->GetChar();
        if (g.lastChar == 0) return;
        if (g.lastChar < 0) continue;
        const int c = Upper(g.lastChar);
        for (const LetterPair& pair : kLetterPairs) {
            if (c == pair.press) {
                g.controlState[pair.control] = kHeld;
                break;
            }
            if (c == pair.release) {
                g.controlState[pair.control] = 0;
                break;
            }
        }
    }
}

void ClampPadSettings(MyApp& g) {
    int& x = g.settings[kPadX];
    int& height = g.settings[kPadHeight];
    int& size = g.settings[kPadSize];
    if (x <= kPadMargin - 1) x = kPadMargin;
    if (x > jscrw - kPadMargin) x = static_cast<int>(jscrw - kPadMargin);
    if (height <= kPadMargin - 1) height = kPadMargin;
    if (height > jscrh - kPadMargin) height = static_cast<int>(jscrh - kPadMargin);
    if (size <= kPadMinSize - 1) size = kPadMinSize;
    if (size > kPadMaxSize) size = kPadMaxSize;
}

// While paused the pad follows touch 0, and two touches spread or pinch it.
void MoveAndPinchPad(MyApp& g) {
    g.SetSize(3);
    const bool secondUp = g.touchDown[1] == 0;
    if (g.Button0(kPadSheet, g.dpadX, g.dpadY, 0) && secondUp) {
        g.settings[kPadX] = g.touchX[0];
        g.settings[kPadHeight] = static_cast<int>(jscrh - g.touchY[0]);
    }
    if (secondUp) {
        g.pinchActive = 0;
        g.pinchStartSpan = 0;
    }
    if (g.touchDown[0] == 1 && g.touchDown[1] == 1) {
        g.pinchSpan = std::abs(g.touchX[0] - g.touchX[1]) / kPinchUnit;
        if (g.pinchActive == 0) {
            g.pinchActive = 1;
        } else {
            g.settings[kPadSize] += g.pinchSpan - g.pinchStartSpan;
        }
        g.pinchStartSpan = g.pinchSpan;
    }
}

void OnScreenPad(MyApp& g) {
    ClampPadSettings(g);
    g.dpadX = g.settings[kPadX];
    g.dpadY = static_cast<int>(jscrh - g.settings[kPadHeight]);
    g.dpadScale = g.settings[kPadSize] / 10.0f;
    g.ResetDraw();
    g.SetCol(255, 255, 255, 0.6f);
    g.SetSize(g.dpadScale);

    struct Direction {
        float dx, dy;
        int frame, control;
    };
    const Direction directions[] = {{-1, 0, 4, kLeft}, {0, -1, 1, kUp}, {0, 1, 9, kDown}, {1, 0, 6, kRight}};
    const float reach = kPadSpacing * g.dpadScale;
    for (const Direction& d : directions) {
        if (g.Button(kPadSheet, g.dpadX + d.dx * reach, g.dpadY + d.dy * reach, d.frame) && g.paused == 0)
            g.controlState[d.control] = kPressedThisUpdate;
    }
    g.DrawImg(kPadSheet, g.dpadX, g.dpadY, 5);

    if (g.paused > 0) MoveAndPinchPad(g);

    g.SetSize(1.5f * g.dpadScale);
    const float step = kActionSpacing * g.dpadScale;
    if (g.Button(kPadSheet, jscrw - g.dpadX + step, g.dpadY - step, 0)) g.controlState[kAction1] = kPressedThisUpdate;
    if (g.Button(kPadSheet, jscrw - (g.dpadX + step), g.dpadY + step, 0))
        g.controlState[kAction2] = kPressedThisUpdate;
}

void TiltIndicator(MyApp& g) {
    g.ResetDraw();
    g.SetSize(1.5f);
    g.SetCol(255, 255, 255, 0.8f);
    g.tiltRawX = input::device->AccelX() - g.accelZeroX;
    g.tiltRawY = input::device->AccelY() - g.accelZeroY;
    g.tiltX = g.tiltX - (g.tiltX - g.tiltRawX) * kTiltEase;
    g.tiltY = g.tiltY - (g.tiltY - g.tiltRawY) * kTiltEase;
    if (std::fabs(g.tiltX - g.tiltRawX) < kTiltSnap) g.tiltX = g.tiltRawX;
    if (std::fabs(g.tiltY - g.tiltRawY) < kTiltSnap) g.tiltY = g.tiltRawY;
    if (g.Button(kIconSheet, kCalibrationInset, jscrh - kCalibrationInset, 7)) {
        g.accelZeroX = input::device->AccelX();
        g.accelZeroY = input::device->AccelY();
    }
    g.SetCol(100, 255, 100, 0.6f);
    g.SetSize(1);
    g.Oval(kCalibrationInset + g.tiltX * kTiltDotReach, jscrh - kCalibrationInset + g.tiltY * kTiltDotReach, 4, 4);
}
}  // namespace

void MyApp::ControlOverlays() {
    if (iCadeControls == 1) ReadController(*this);
    // On-screen presses last one update; controller holds wait for their release letter.
    for (int& state : controlState) {
        if (state == kPressedThisUpdate) state = 0;
    }
    if (OnScreenControls == 1 && mode > kRoundModes && iCadeControls == 0) OnScreenPad(*this);
    if (AccelerometerControls == 1 && iCadeControls == 0) TiltIndicator(*this);
    if (iCadeControls == 1) tiltRawX = tiltRawY = tiltX = tiltY = 0;
}
