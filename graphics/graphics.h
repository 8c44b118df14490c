#pragma once
// The graphics module: the drawing state (colour, alpha, blend, scissor, a 2D matrix with a 32-deep stack), images
// cut into frames, and drawing forwarded to the render device, which is handed the matrix only when it changed.
#include <memory>
#include <vector>

#include "app/text.h"
#include "graphics/render_device.h"

class Image;
using ImagePtr = std::shared_ptr<Image>;

struct Frame {
    int x = 0;
    int y = 0;
};

class GraphicsContext {
public:
    virtual ~GraphicsContext() = default;
    // Sends the matrix to the render device if it changed since it was last sent.
    virtual int Validate();

    ImagePtr builtinFont;
    ImagePtr fontImage;
    int fontFirstChar = 0;
    int stackTop = 0;
    float ix = 1, iy = 0, jx = 0, jy = 1, tx = 0, ty = 0;
    bool isTransformed = false;
    bool matrixDirty = false;
    float colorR = 0, colorG = 0, colorB = 0;
    float alpha = 0;
    int blend = 0;
    float scissorX = 0, scissorY = 0, scissorW = 0, scissorH = 0;
    float savedMatrices[192] = {};
};

class Image : public std::enable_shared_from_this<Image> {
public:
    enum : int { CentreHandle = 1, HorizontalPadding = 2, VerticalPadding = 4, WholeSurface = 65536 };
    static int DefaultFlags;

    virtual ~Image() = default;
    virtual int SetHandle(float x, float y);
    virtual int ApplyFlags(int flags);
    virtual Image* Init(SurfacePtr surface, int frameCount, int flags);
    virtual Image* Grab(int x, int y, int w, int h, int frameCount, int flags, ImagePtr source);
    virtual ImagePtr GrabImage(int x, int y, int w, int h, int frameCount, int flags);

    SurfacePtr surface;
    int width = 0;
    int height = 0;
    std::vector<Frame> frames;
    int imageFlags = 0;
    float handleX = 0;
    float handleY = 0;
    ImagePtr sourceImage;
};

namespace graphics {
extern gxtkGraphics* device;
extern gxtkGraphics* renderDevice;
extern GraphicsContext* context;

int SetGraphicsDevice(gxtkGraphics* dev);
int DeviceWidth();
int DeviceHeight();
int BeginRender();
int EndRender();

int SetColor(float r, float g, float b);
int SetAlpha(float a);
int SetBlend(int blend);
int SetScissor(float x, float y, float w, float h);
int Cls(float r, float g, float b);
int SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty);
int SetMatrix(const float* m);
int Transform(float ix, float iy, float jx, float jy, float tx, float ty);
int Transform(const float* m);
int Translate(float x, float y);
int Scale(float x, float y);
int Rotate(float angle);
int PushMatrix();
int PopMatrix();

int DrawRect(float x, float y, float w, float h);
int DrawLine(float x1, float y1, float x2, float y2);
int DrawEllipse(float x, float y, float xRadius, float yRadius);
int DrawImage(Image* image, float x, float y, int frame);
int DrawImage(Image* image, float x, float y, float rotation, float xScale, float yScale, int frame);
int ReadPixels(int* pixels, int x, int y, int w, int h, int offset = 0, int pitch = 0);

ImagePtr LoadImage(const String& path, int frameCount = 1, int flags = Image::DefaultFlags);
ImagePtr LoadImage(const String& path, int frameWidth, int frameHeight, int frameCount, int flags);

// With no font: loads "plinth_font.png" once (or fails quietly) and uses it from character 32.
int SetFont(ImagePtr font, int firstChar);
}  // namespace graphics
