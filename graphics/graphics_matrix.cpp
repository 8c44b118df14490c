// The context's matrix and its stack. Changes only mark the matrix dirty; the render device is handed it by
// Validate at the next draw, so a run of transforms between draws costs one hand-over.
#include <cmath>

#include "graphics/graphics.h"

namespace {
void MatrixChanged(GraphicsContext& c) {
    c.isTransformed = !(c.ix == 1 && c.iy == 0 && c.jx == 0 && c.jy == 1 && c.tx == 0 && c.ty == 0);
    c.matrixDirty = true;
}
}  // namespace

int GraphicsContext::Validate() {
    if (matrixDirty) {
        graphics::renderDevice->SetMatrix(ix, iy, jx, jy, tx, ty);
        matrixDirty = false;
    }
    return 0;
}

namespace graphics {
int SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) {
    GraphicsContext& c = *context;
    c.ix = ix, c.iy = iy, c.jx = jx, c.jy = jy, c.tx = tx, c.ty = ty;
    MatrixChanged(c);
    return 0;
}

int SetMatrix(const float* m) { return SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]); }

// The given matrix is applied first, then the current one.
int Transform(float ix, float iy, float jx, float jy, float tx, float ty) {
    GraphicsContext& c = *context;
    float nix = ix * c.ix + iy * c.jx;
    float niy = ix * c.iy + iy * c.jy;
    float njx = jx * c.ix + jy * c.jx;
    float njy = jx * c.iy + jy * c.jy;
    float ntx = tx * c.ix + ty * c.jx + c.tx;
    float nty = tx * c.iy + ty * c.jy + c.ty;
    c.ix = nix, c.iy = niy, c.jx = njx, c.jy = njy, c.tx = ntx, c.ty = nty;
    MatrixChanged(c);
    return 0;
}

int Transform(const float* m) { return Transform(m[0], m[1], m[2], m[3], m[4], m[5]); }

int Translate(float x, float y) { return Transform(1, 0, 0, 1, x, y); }
int Scale(float x, float y) { return Transform(x, 0, 0, y, 0, 0); }

// Degrees; a positive angle turns counter-clockwise on the screen (y grows downwards).
int Rotate(float angle) {
    float a = angle * 0.017453292f;
    float s = std::sin(a), c = std::cos(a);
    return Transform(c, -s, s, c, 0, 0);
}

int PushMatrix() {
    GraphicsContext& c = *context;
    float* m = &c.savedMatrices[c.stackTop];
    m[0] = c.ix, m[1] = c.iy, m[2] = c.jx, m[3] = c.jy, m[4] = c.tx, m[5] = c.ty;
    c.stackTop += 6;
    return 0;
}

int PopMatrix() {
    GraphicsContext& c = *context;
    c.stackTop -= 6;
    const float* m = &c.savedMatrices[c.stackTop];
    c.ix = m[0], c.iy = m[1], c.jx = m[2], c.jy = m[3], c.tx = m[4], c.ty = m[5];
    MatrixChanged(c);
    return 0;
}
}  // namespace graphics
