// The graphics module's globals, frame bracketing and drawing state.
#include "graphics/graphics.h"

namespace graphics {
gxtkGraphics* device = nullptr;
gxtkGraphics* renderDevice = nullptr;
GraphicsContext* context = nullptr;

int SetGraphicsDevice(gxtkGraphics* dev) {
    device = dev;
    return 0;
}

int DeviceWidth() { return device->Width(); }
int DeviceHeight() { return device->Height(); }

// Nothing of the drawing state survives from one frame to the next except the font.
int BeginRender() {
    if (!device->Mode()) return 0;
    renderDevice = device;
    GraphicsContext& c = *context;
    c.stackTop = 0;
    c.ix = 1, c.iy = 0, c.jx = 0, c.jy = 1, c.tx = 0, c.ty = 0;
    c.isTransformed = false;
    c.matrixDirty = true;
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(0);
    SetScissor(0, 0, static_cast<float>(DeviceWidth()), static_cast<float>(DeviceHeight()));
    return 0;
}

int EndRender() {
    renderDevice = nullptr;
    return 0;
}

int SetColor(float r, float g, float b) {
    context->colorR = r;
    context->colorG = g;
    context->colorB = b;
    return renderDevice->SetColor(r, g, b);
}

int SetAlpha(float a) {
    context->alpha = a;
    return renderDevice->SetAlpha(a);
}

int SetBlend(int blend) {
    context->blend = blend;
    return renderDevice->SetBlend(blend);
}

int SetScissor(float x, float y, float w, float h) {
    GraphicsContext& c = *context;
    c.scissorX = x;
    c.scissorY = y;
    c.scissorW = w;
    c.scissorH = h;
    return renderDevice->SetScissor(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                                    static_cast<int>(h));
}

int Cls(float r, float g, float b) { return renderDevice->Cls(r, g, b); }

int ReadPixels(int* pixels, int x, int y, int w, int h, int offset, int pitch) {
    return renderDevice->ReadPixels(pixels, x, y, w, h, offset, pitch ? pitch : w);
}
}  // namespace graphics
