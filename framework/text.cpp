// Bitmap-font text and buttons, recorded through DrawImg so they take the current size, rotation, colour and
// opacity. A font slot's frame f is the glyph of character code f + 32.
#include <cmath>

#include "game/my_app.h"

namespace {
// Single precision on purpose: the glyph positions must match to the last bit wherever they are computed.
constexpr float kDegToRad = 0.0174532924f;
constexpr char16_t kBackslash = 92;
constexpr char16_t kLetterN = 110;
constexpr int kFirstGlyph = 33;
constexpr int kLastGlyph = 159;
}  // namespace

int MyApp::Text(float x, float y, const String& text, float alignX, float alignY) {
    float r = drawRotation * kDegToRad;
    float ux = std::cos(r), uy = -std::sin(r);
    float vx = std::sin(r), vy = std::cos(r);
    int n = static_cast<int>(text.size());
    float adv = static_cast<float>(imageMetrics[currentFont * 3]) * drawSizeX;
    float line = static_cast<float>(imageMetrics[currentFont * 3 + 1]) * drawSizeY;
    float width = adv * static_cast<float>(n - 1);

    // Alignment is computed once from the whole text, so every line starts at the same point.
    float along = width * alignX * 0.5f;
    float across = line * (alignY - 1) * 0.5f;
    float px = x - along * ux - across * vx;
    float py = y - along * uy - across * vy;
    float cx = px, cy = py;
    int lineIndex = 0;

    for (int i = 0; i < n;) {
        char16_t c = text[i];
        if (c == kBackslash && i + 1 < n && text[i + 1] == kLetterN) {
            ++lineIndex;
            float down = line * static_cast<float>(lineIndex);
            cx = px + down * vx;
            cy = py + down * vy;
            i += 2;
            continue;
        }
        ++i;
        if (c == 0) continue;
        if (c >= kFirstGlyph && c <= kLastGlyph) DrawImg(currentFont, cx, cy, static_cast<float>(c - 32));
        cx += adv * ux;
        cy += adv * uy;
    }
    return 0;
}

namespace {
// Strictly inside the image's design-size frame centred on (x, y), scaled by the current size, rotation ignored.
bool TouchInBox(const MyApp& app, int touch, int slot, float x, float y) {
    float halfW = static_cast<float>(app.imageMetrics[slot * 3]) * app.hdScale * app.drawSizeX * 0.5f;
    float halfH = static_cast<float>(app.imageMetrics[slot * 3 + 1]) * app.hdScale * app.drawSizeY * 0.5f;
    float tx = static_cast<float>(app.touchX[touch]);
    float ty = static_cast<float>(app.touchY[touch]);
    return tx > x - halfW && tx < x + halfW && ty > y - halfH && ty < y + halfH && app.pointerDown > 0;
}
}  // namespace

int MyApp::Button(int slot, float x, float y, int frame) {
    DrawImg(slot, x, y, static_cast<float>(frame));
    buttonHit = 0;
    for (int i = 0; i < 10; ++i) {
        if (TouchInBox(*this, i, slot, x, y)) buttonHit = 1;
    }
    return buttonHit;
}

int MyApp::Button0(int slot, float x, float y, int frame) {
    DrawImg(slot, x, y, static_cast<float>(frame));
    return TouchInBox(*this, 0, slot, x, y) ? 1 : 0;
}

String MyApp::rstr(int value, int width, const String& pad) {
    String s;
    int copies = width > 0 ? width + 1 : 1;
    s.reserve(pad.size() * copies + 12);
    for (int i = 0; i < copies; ++i) s += pad;
    s += IntToString(value);
    int length = static_cast<int>(s.size());
    int start = width > 0 ? length - width : -width;
    if (start < 0) start = 0;
    if (start > length) start = length;
    return s.substr(start);
}
