// The virtual screen: updates record into drawList (entries of 15 floats, in virtual units) and each render
// replays the list scaled uniformly to the window. Recording writes into the fixed array and never allocates.
#include "app/gxtk_app.h"
#include "game/globals.h"
#include "game/my_app.h"
#include "graphics/graphics.h"

namespace {
constexpr int kEntryFloats = 15;
// The last slot of the array is never used: 2,499 entries at most between two clears.
constexpr int kLastEntryStart = 37484;
constexpr float kOvalKind = -3716.0f;
constexpr float kLineKind = -3715.0f;
}  // namespace

int MyApp::ResetDraw() {
    drawSizeX = drawSizeY = 1;
    drawRotation = 0;
    drawRed = drawGreen = drawBlue = 255;
    drawAlpha = 1;
    return 0;
}

int MyApp::CLS2D(float red, float green, float blue, float alpha) {
    // Only the first argument is tested: the others are taken as they come.
    if (red > kUnset) {
        clsRed = red;
        clsGreen = green;
        clsBlue = blue;
        clsAlpha = alpha;
    }
    ResetDraw();
    drawCount = 0;
    return 0;
}

int MyApp::SetCol(float red, float green, float blue, float alpha) {
    drawRed = red;
    drawGreen = green;
    drawBlue = blue;
    if (alpha > kUnset) drawAlpha = alpha;
    return 0;
}

int MyApp::Alpha(float alpha) {
    drawAlpha = alpha;
    return 0;
}

int MyApp::SetRot(float angle) {
    drawRotation = -angle;
    return 0;
}

int MyApp::SetSize(float sizeX, float sizeY) {
    drawSizeX = sizeX;
    drawSizeY = sizeY > kUnset ? sizeY : sizeX;
    return 0;
}

namespace {
// Writes floats 0 to 7 and 10 to 12 of the next entry; 8, 9, 13 and 14 keep what was there.
void Append(MyApp& app, float kind, float x, float y, float rotation, float w, float h, float frame) {
    if (app.drawCount > kLastEntryStart) return;
    float* e = app.drawList.data() + app.drawCount;
    e[0] = kind;
    e[1] = x;
    e[2] = y;
    e[3] = rotation;
    e[4] = w;
    e[5] = h;
    e[6] = frame;
    e[7] = app.drawAlpha;
    e[10] = app.drawRed;
    e[11] = app.drawGreen;
    e[12] = app.drawBlue;
    app.drawCount += kEntryFloats;
}
}  // namespace

int MyApp::Rect(float x, float y, float width, float height) {
    Append(*this, kUnset, x, y, drawRotation, width, height, 0);
    return 0;
}

int MyApp::Oval(float x, float y, float radiusX, float radiusY) {
    Append(*this, kOvalKind, x, y, drawRotation, radiusX, radiusY, 0);
    return 0;
}

int MyApp::DrawImg(int slot, float x, float y, float frame) {
    Append(*this, static_cast<float>(slot), x, y, drawRotation, drawSizeX, drawSizeY, frame);
    return 0;
}

namespace {
void UpdateFps(MyApp& app) {
    int now = app::Millisecs();
    int elapsed = now - app.fpsLastMillis;
    // Two renders in the same millisecond keep the last measurement.
    if (elapsed > 0) app.fpsInstant = 1000 / elapsed;
    app.fps = (app.fpsInstant + 9 * app.fps) / 10;
    app.fpsLastMillis = now;
}

void FillScreen(const MyApp& app) {
    graphics::SetColor(app.clsRed, app.clsGreen, app.clsBlue);
    graphics::SetAlpha(app.clsAlpha);
    graphics::DrawRect(-1, -1, static_cast<float>(graphics::DeviceWidth() + 2),
                       static_cast<float>(graphics::DeviceHeight() + 2));
    graphics::SetColor(255, 255, 255);
    graphics::SetAlpha(1);
}

// A new window size restarts the loader so every picture comes back at the resolution that suits it.
void WatchWindowSize(MyApp& app) {
    int w = graphics::DeviceWidth();
    int h = graphics::DeviceHeight();
    if (w == app.lastDeviceWidth && h == app.lastDeviceHeight) return;
    app.loadStage = 1;
    app.lastDeviceWidth = w;
    app.lastDeviceHeight = h;
}

// One uniform scale, the larger of the two, so the picture fills the window and one virtual side is cut.
float FitToWindow(MyApp& app) {
    float deviceW = static_cast<float>(graphics::DeviceWidth());
    float deviceH = static_cast<float>(graphics::DeviceHeight());
    float sx = deviceW / rawscrw;
    float sy = deviceH / rawscrh;
    float s = sy > sx ? sy : sx;
    app.scaleX = app.scaleY = s;
    jscrw = deviceW / s;
    jscrh = deviceH / s;
    app.landscape = jscrw < jscrh ? 0 : 1;
    return s;
}

void ReplayEntry(const MyApp& app, const float* e, float s) {
    graphics::SetAlpha(e[7]);
    graphics::SetColor(e[10], e[11], e[12]);
    float kind = e[0];
    if (kind == kUnset) {
        graphics::DrawRect(e[1] * s, e[2] * s, e[4] * s, e[5] * s);
    } else if (kind == kOvalKind) {
        graphics::DrawEllipse(e[1] * s, e[2] * s, e[4] * s, e[5] * s);
    } else if (kind == kLineKind) {
        graphics::DrawLine(e[1] * s, e[2] * s, e[4] * s, e[5] * s);
    } else if (kind > -1) {
        Image* image = app.images[static_cast<int>(kind)].get();
        if (!image) return;
        float scale = s * app.hdScale;
        graphics::DrawImage(image, e[1] * s, e[2] * s, e[3], e[4] * scale, e[5] * scale, static_cast<int>(e[6]));
    }
}
}  // namespace

int MyApp::OnRender() {
    if (HasMusic == 1) musicPlayer->Nuv_Alive_R();
    UpdateFps(*this);
    FillScreen(*this);
    WatchWindowSize(*this);
    float s = FitToWindow(*this);
    for (int start = 0; start + kEntryFloats <= drawCount; start += kEntryFloats) {
        ReplayEntry(*this, drawList.data() + start, s);
    }
    graphics::SetAlpha(0.5f);
    graphics::SetColor(255, 255, 255);
    return 0;
}
