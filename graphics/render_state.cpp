// Render device state: colour, alpha, matrix, blending, scissor and clearing.
#include <GL/gl.h>

#include <cstring>

#include "graphics/render_device.h"

namespace {
// Truncated toward zero, never clamped: callers keep colours in 0..255 and alpha in 0..1.
unsigned char Channel(float value) { return static_cast<unsigned char>(static_cast<int>(value)); }

std::uint32_t PackColor(float r, float g, float b, float a) {
    // Memory order red, green, blue, alpha: what the colour array reads as four unsigned bytes.
    const unsigned char bytes[4] = {Channel(r * a), Channel(g * a), Channel(b * a), Channel(a * 255)};
    std::uint32_t packed;
    std::memcpy(&packed, bytes, sizeof packed);
    return packed;
}
}  // namespace

int gxtkGraphics::SetColor(float r, float g, float b) {
    colorR = r;
    colorG = g;
    colorB = b;
    packedColor = PackColor(colorR, colorG, colorB, alpha);
    return 0;
}

int gxtkGraphics::SetAlpha(float a) {
    alpha = a;
    packedColor = PackColor(colorR, colorG, colorB, alpha);
    return 0;
}

int gxtkGraphics::SetMatrix(float ix_, float iy_, float jx_, float jy_, float tx_, float ty_) {
    ix = ix_;
    iy = iy_;
    jx = jx_;
    jy = jy_;
    tx = tx_;
    ty = ty_;
    isTransformed = !(ix == 1 && iy == 0 && jx == 0 && jy == 1 && tx == 0 && ty == 0);
    return 0;
}

int gxtkGraphics::SetBlend(int mode) {
    Flush();
    blendAdditive = mode == 1;
    glBlendFunc(GL_ONE, blendAdditive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    return 0;
}

int gxtkGraphics::SetScissor(int x, int y, int w, int h) {
    Flush();
    if (x == 0 && y == 0 && w == Width() && h == Height()) {
        glDisable(GL_SCISSOR_TEST);
        return 0;
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, Height() - y - h, w, h);
    return 0;
}

int gxtkGraphics::Cls(float r, float g, float b) {
    primCount = 0;
    glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    return 0;
}
