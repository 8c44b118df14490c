// The render device's frame control, batching and primitives.
//
// Batching: consecutive primitives of one kind and one texture share a draw call until the 1024-vertex buffer is
// full (1024 points, 512 lines, 256 quads). Colour travels with every vertex and the matrix is applied here on the
// CPU, so neither a colour nor a matrix change splits a batch; a change of kind or texture does. Ovals and polygons
// are triangle fans drawn at once.
//
// With `optimise` on, the same pixels cost the software rasterizer less: a batch whose every primitive is untextured
// with alpha 255 is drawn without blending (ONE, ONE_MINUS_SRC_ALPHA with source alpha 1 leaves exactly the source
// colour; textured quads are always blended, since their texels may be translucent); a rectangle covering the whole
// window in such a colour becomes a clear (the pending primitives lie under it); quads whose premultiplied colour is
// all zero, or that lie wholly outside the window, are dropped (they cannot change a pixel, in either blend mode);
// textured batches in normal blending run the alpha test (alpha > 0): texels and vertex colours are premultiplied, so
// a fragment of alpha 0 has colour 0 and would leave the destination as it was, and the rasterizer can skip blending
// where a block of fragments fails the test.
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/window.h"
#include "graphics/render_device.h"

namespace {
enum Kind { Points = 1, Lines = 2, Quads = 4, Fan = 5 };
constexpr int VertexCapacity = 1024;

static_assert(sizeof(gxtkGraphics::Vertex) == 20, "the client arrays use a 20-byte stride");

int OvalSegments(float xr, float yr, const gxtkGraphics& g) {
    int n;
    if (g.isTransformed) {
        n = static_cast<int>(std::hypot(xr * g.ix, xr * g.iy) + std::hypot(yr * g.jx, yr * g.jy));
    } else {
        n = std::abs(static_cast<int>(xr)) + std::abs(static_cast<int>(yr));
    }
    if (n <= 11) return 12;
    if (n > VertexCapacity) return VertexCapacity;
    return n & ~3;
}

bool IsOpaque(std::uint32_t packedColor) { return packedColor >> 24 == 255; }
}  // namespace

gxtkGraphics::gxtkGraphics() {
    for (int q = 0; q < 256; ++q) {
        std::uint16_t* i = &quadIndices[q * 6];
        std::uint16_t v = static_cast<std::uint16_t>(q * 4);
        i[0] = v;
        i[1] = v + 1;
        i[2] = v + 2;
        i[3] = v;
        i[4] = v + 2;
        i[5] = v + 3;
    }
}

int gxtkGraphics::Mode() { return deviceMode; }
int gxtkGraphics::Width() { return width; }
int gxtkGraphics::Height() { return height; }

bool gxtkGraphics::Validate() {
    width = height = 0;
    glfwGetFramebufferSize(app::window, &width, &height);
    return width > 0 && height > 0;
}

int gxtkGraphics::BeginRender() {
    if (!deviceMode) return 0;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].x);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].u);
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), &vertices[0].color);

    glEnable(GL_BLEND);
    blendEnabled = true;
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_ALPHA_TEST);
    alphaTestEnabled = false;
    glAlphaFunc(GL_GREATER, 0);
    glDisable(GL_TEXTURE_2D);
    primCount = 0;
    return 0;
}

int gxtkGraphics::EndRender() {
    Flush();
    glfwSwapBuffers(app::window);
    return 0;
}

void gxtkGraphics::UseBlending(bool on) {
    if (on == blendEnabled) return;
    blendEnabled = on;
    if (on) {
        glEnable(GL_BLEND);
    } else {
        glDisable(GL_BLEND);
    }
}

void gxtkGraphics::UseAlphaTest(bool on) {
    if (on == alphaTestEnabled) return;
    alphaTestEnabled = on;
    if (on) {
        glEnable(GL_ALPHA_TEST);
    } else {
        glDisable(GL_ALPHA_TEST);
    }
}

void gxtkGraphics::Flush() {
    if (!primCount) return;
    bool blend = !(optimise && primOpaque && !blendAdditive);
    UseBlending(blend);
    UseAlphaTest(optimise && blend && primSurface && !blendAdditive);
    if (primSurface) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, primSurface->texture);
    }
    switch (primKind) {
    case Points: glDrawArrays(GL_POINTS, 0, primCount); break;
    case Lines: glDrawArrays(GL_LINES, 0, primCount * 2); break;
    case Quads: glDrawElements(GL_TRIANGLES, primCount * 6, GL_UNSIGNED_SHORT, quadIndices); break;
    case Fan: glDrawArrays(GL_TRIANGLE_FAN, 0, primCount); break;
    }
    ++drawCalls;
    if (primSurface) glDisable(GL_TEXTURE_2D);
    primCount = 0;
}

gxtkGraphics::Vertex* gxtkGraphics::NextPrimitive(int kind, int capacity, int verticesEach, gxtkSurface* surface) {
    if (primKind != kind || primCount >= capacity || primSurface != surface) {
        Flush();
        primKind = kind;
        primSurface = surface;
        primOpaque = true;
    }
    primOpaque = primOpaque && !surface && IsOpaque(packedColor);
    return &vertices[primCount++ * verticesEach];
}

void gxtkGraphics::PutVertex(Vertex* v, float x, float y, float u, float tv) const {
    if (isTransformed) {
        v->x = ix * x + jx * y + tx;
        v->y = iy * x + jy * y + ty;
    } else {
        v->x = x;
        v->y = y;
    }
    v->u = u;
    v->v = tv;
    v->color = packedColor;
}

bool gxtkGraphics::QuadOutsideWindow(const float* x, const float* y) const {
    float minX = std::min(std::min(x[0], x[1]), std::min(x[2], x[3]));
    float maxX = std::max(std::max(x[0], x[1]), std::max(x[2], x[3]));
    float minY = std::min(std::min(y[0], y[1]), std::min(y[2], y[3]));
    float maxY = std::max(std::max(y[0], y[1]), std::max(y[2], y[3]));
    // Pixels are covered at their centres, so a quad ending on the window's edge covers none of them.
    return maxX <= 0 || maxY <= 0 || minX >= width || minY >= height;
}

void gxtkGraphics::PutQuad(gxtkSurface* surface, float x0, float y0, float x1, float y1, float u0, float v0, float u1,
                           float v1) {
    float x[4] = {x0, x1, x1, x0};
    float y[4] = {y0, y0, y1, y1};
    if (isTransformed) {
        for (int i = 0; i < 4; ++i) {
            float px = x[i], py = y[i];
            x[i] = ix * px + jx * py + tx;
            y[i] = iy * px + jy * py + ty;
        }
    }
    if (optimise && (packedColor == 0 || QuadOutsideWindow(x, y))) return;
    bool box = !surface && x[0] == x[3] && x[1] == x[2] && y[0] == y[1] && y[2] == y[3] && x[0] < x[1] && y[0] < y[2];
    if (optimise && box && !blendAdditive && IsOpaque(packedColor) && primKind == Quads && !primSurface)
        TrimCovered(x[0], y[0], x[1], y[2]);
    Vertex* v = NextPrimitive(Quads, 256, 4, surface);
    // Anything but an untextured upright rectangle gets an empty box, which no rectangle overlaps.
    float* b = quadBoxes[primCount - 1];
    b[0] = box ? x[0] : 0, b[1] = box ? y[0] : 0, b[2] = box ? x[1] : 0, b[3] = box ? y[2] : 0;
    const float u[4] = {u0, u1, u1, u0};
    const float tv[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) v[i] = {x[i], y[i], u[i], tv[i], packedColor};
}

void gxtkGraphics::TrimCovered(float left, float top, float right, float bottom) {
    // An opaque rectangle replaces every pixel under it whatever the blending, so the parts of earlier untextured
    // rectangles of the batch it covers need not be shaded. Cuts fall on the new rectangle's own edges, which cover
    // the same pixel centres in both, so the union drawn is unchanged.
    for (int q = std::max(0, primCount - 64); q < primCount; ++q) {
        float* box = quadBoxes[q];
        float l = box[0], t = box[1], r = box[2], b = box[3];
        if (r <= left || l >= right || b <= top || t >= bottom) continue;
        bool spansY = top <= t && bottom >= b, spansX = left <= l && right >= r;
        if (spansY && spansX) {
            r = l;
        } else if (spansY && l < left && r <= right) {
            r = left;
        } else if (spansY && l >= left && r > right) {
            l = right;
        } else if (spansX && t < top && b <= bottom) {
            b = top;
        } else if (spansX && t >= top && b > bottom) {
            t = bottom;
        } else {
            continue;
        }
        box[0] = l, box[1] = t, box[2] = r, box[3] = b;
        Vertex* v = &vertices[q * 4];
        v[0].x = v[3].x = l;
        v[1].x = v[2].x = r;
        v[0].y = v[1].y = t;
        v[2].y = v[3].y = b;
    }
}

bool gxtkGraphics::RectAsClear(float x0, float y0, float x1, float y1) {
    if (isTransformed || blendAdditive || !IsOpaque(packedColor)) return false;
    if (std::min(x0, x1) > 0 || std::min(y0, y1) > 0 || std::max(x0, x1) < width || std::max(y0, y1) < height)
        return false;
    unsigned char rgba[4];
    std::memcpy(rgba, &packedColor, sizeof rgba);
    primCount = 0;
    glClearColor(rgba[0] / 255.0f, rgba[1] / 255.0f, rgba[2] / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

int gxtkGraphics::DrawPoint(float x, float y) {
    PutVertex(NextPrimitive(Points, VertexCapacity, 1, nullptr), x, y, 0, 0);
    return 0;
}

int gxtkGraphics::DrawLine(float x1, float y1, float x2, float y2) {
    Vertex* v = NextPrimitive(Lines, VertexCapacity / 2, 2, nullptr);
    PutVertex(v, x1, y1, 0, 0);
    PutVertex(v + 1, x2, y2, 0, 0);
    return 0;
}

int gxtkGraphics::DrawRect(float x, float y, float w, float h) {
    if (optimise && RectAsClear(x, y, x + w, y + h)) return 0;
    PutQuad(nullptr, x, y, x + w, y + h, 0, 0, 0, 0);
    return 0;
}

int gxtkGraphics::DrawSurface(gxtkSurface* surface, float x, float y) {
    float w = static_cast<float>(surface->width), h = static_cast<float>(surface->height);
    PutQuad(surface, x, y, x + w, y + h, 0, 0, w * surface->uScale, h * surface->vScale);
    return 0;
}

int gxtkGraphics::DrawSurface2(gxtkSurface* surface, float x, float y, int srcX, int srcY, int srcW, int srcH) {
    float u = surface->uScale, v = surface->vScale;
    PutQuad(surface, x, y, x + srcW, y + srcH, srcX * u, srcY * v, (srcX + srcW) * u, (srcY + srcH) * v);
    return 0;
}

int gxtkGraphics::DrawOval(float x, float y, float w, float h) {
    Flush();
    primKind = Fan;
    primSurface = nullptr;
    float xr = w * 0.5f, yr = h * 0.5f;
    float cx = x + xr, cy = y + yr;
    int n = OvalSegments(xr, yr, *this);
    // Starts at the rightmost point and runs counter-clockwise on screen (y grows downwards).
    for (int i = 0; i < n; ++i) {
        float angle = static_cast<float>(i) * 6.2831855f / static_cast<float>(n);
        PutVertex(&vertices[i], cx + std::cos(angle) * xr, cy - std::sin(angle) * yr, 0, 0);
    }
    primCount = n;
    primOpaque = IsOpaque(packedColor);
    Flush();
    return 0;
}

int gxtkGraphics::DrawPoly(const float* points, int length) {
    int n = length / 2;
    if (n < 3 || n > VertexCapacity) return 0;
    Flush();
    primKind = Fan;
    primSurface = nullptr;
    for (int i = 0; i < n; ++i) PutVertex(&vertices[i], points[i * 2], points[i * 2 + 1], 0, 0);
    primCount = n;
    primOpaque = IsOpaque(packedColor);
    Flush();
    return 0;
}
