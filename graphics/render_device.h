#pragma once
// The render device: coloured and textured primitives through OpenGL 1.1 client-side arrays, consecutive primitives
// of one kind (and one texture) batched into a single draw call. Window pixels, origin top-left, y down. Everything
// stored on the card is premultiplied by alpha.
#include <cstdint>
#include <memory>

#include "app/gxtk_object.h"
#include "app/text.h"

class gxtkSurface : public gxtkObject {
public:
    ~gxtkSurface() override;

    virtual int Discard();
    virtual int Width();
    virtual int Height();
    virtual int Loaded();
    // Uploads the pixels into a texture (premultiplied, nearest filtering); false when the driver refuses it.
    virtual bool OnUnsafeLoadComplete();

    unsigned char* pixels = nullptr;  // freed with stbi_image_free, null once uploaded
    int width = 0;
    int height = 0;
    int depth = 0;
    unsigned int texture = 0;
    float uScale = 0;
    float vScale = 0;
};

using SurfacePtr = std::shared_ptr<gxtkSurface>;

class gxtkGraphics : public gxtkObject {
public:
    gxtkGraphics();

    virtual int Mode();
    virtual int Width();
    virtual int Height();
    virtual SurfacePtr LoadSurface(const String& path);
    virtual SurfacePtr LoadSurface__UNSAFE__(SurfacePtr surface, const String& path);
    virtual SurfacePtr CreateSurface(int w, int h);
    virtual int Cls(float r, float g, float b);
    virtual int SetAlpha(float a);
    virtual int SetColor(float r, float g, float b);
    virtual int SetBlend(int mode);
    virtual int SetScissor(int x, int y, int w, int h);
    virtual int SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty);
    virtual int DrawPoint(float x, float y);
    virtual int DrawRect(float x, float y, float w, float h);
    virtual int DrawLine(float x1, float y1, float x2, float y2);
    virtual int DrawOval(float x, float y, float w, float h);
    virtual int DrawPoly(const float* points, int length);
    virtual int DrawSurface(gxtkSurface* surface, float x, float y);
    virtual int DrawSurface2(gxtkSurface* surface, float x, float y, int srcX, int srcY, int srcW, int srcH);
    virtual int ReadPixels(int* pixels, int x, int y, int w, int h, int offset, int pitch);
    virtual int WritePixels2(gxtkSurface* surface, const int* pixels, int x, int y, int w, int h, int offset,
                             int pitch);

    int BeginRender();
    int EndRender();
    void Flush();
    // Reads the framebuffer size into width and height; true when both are positive.
    bool Validate();

    struct Vertex {
        float x, y, u, v;
        std::uint32_t color;
    };

    int deviceMode = 1;
    int width = 0;
    int height = 0;
    std::uint32_t packedColor = 0;
    float colorR = 0, colorG = 0, colorB = 0;
    float alpha = 0;
    float ix = 1, iy = 0, jx = 0, jy = 1, tx = 0, ty = 0;
    bool isTransformed = false;
    Vertex vertices[1024];
    std::uint16_t quadIndices[1536];
    // Left, top, right and bottom of each pending quad that is an untextured upright rectangle (else empty).
    float quadBoxes[256][4];
    int primKind = 0;
    int primCount = 0;
    gxtkSurface* primSurface = nullptr;
    // Every pending primitive is untextured with alpha 255: blending would leave exactly its colour.
    bool primOpaque = false;
    bool blendEnabled = false;
    bool alphaTestEnabled = false;
    bool blendAdditive = false;

    // Draw calls issued since construction (every glDrawArrays / glDrawElements), for tests and benchmarks.
    long drawCalls = 0;

    // Cheaper ways to the same pixels: untextured batches of opaque colour drawn without blending, textured fragments
    // of alpha 0 discarded before blending, a full-window opaque rectangle turned into a clear, and quads that cannot
    // change the picture (no colour and no alpha, or wholly outside the window) not submitted. Off draws everything
    // the straightforward way (for comparisons).
    bool optimise = true;

private:
    // The vertices of one more primitive, after flushing when it cannot join the pending batch.
    Vertex* NextPrimitive(int kind, int capacity, int verticesEach, gxtkSurface* surface);
    void PutVertex(Vertex* v, float x, float y, float u, float tv) const;
    void PutQuad(gxtkSurface* surface, float x0, float y0, float x1, float y1, float u0, float v0, float u1, float v1);
    bool QuadOutsideWindow(const float* x, const float* y) const;
    // A rectangle that covers the whole window in opaque colour is a clear to that colour; true when it was one.
    bool RectAsClear(float x0, float y0, float x1, float y1);
    void UseBlending(bool on);
    void UseAlphaTest(bool on);
    // Shrinks or empties the pending untextured rectangles that an opaque rectangle about to join the batch covers.
    void TrimCovered(float left, float top, float right, float bottom);
};

// Decodes an image file opened through fopenFile; null when it cannot be opened or decoded.
unsigned char* loadImage(const String& path, int* width, int* height, int* depth);
