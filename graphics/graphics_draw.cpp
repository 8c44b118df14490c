// Drawing through the graphics module: every call hands the render device the matrix first if it changed.
#include "graphics/graphics.h"

namespace graphics {
namespace {
void DrawFrame(const Image& image, const Frame& f, float px, float py) {
    if (image.imageFlags & Image::WholeSurface) {
        renderDevice->DrawSurface(image.surface.get(), px, py);
    } else {
        renderDevice->DrawSurface2(image.surface.get(), px, py, f.x, f.y, image.width, image.height);
    }
}
}  // namespace

int DrawRect(float x, float y, float w, float h) {
    context->Validate();
    return renderDevice->DrawRect(x, y, w, h);
}

int DrawLine(float x1, float y1, float x2, float y2) {
    context->Validate();
    return renderDevice->DrawLine(x1, y1, x2, y2);
}

int DrawEllipse(float x, float y, float xRadius, float yRadius) {
    context->Validate();
    return renderDevice->DrawOval(x - xRadius, y - yRadius, 2 * xRadius, 2 * yRadius);
}

int DrawImage(Image* image, float x, float y, int frame) {
    const Frame& f = image->frames[frame];
    if (!context->isTransformed) {
        // The device keeps its matrix: untransformed images cost no matrix change.
        context->Validate();
        DrawFrame(*image, f, x - image->handleX, y - image->handleY);
        return 0;
    }
    PushMatrix();
    Transform(1, 0, 0, 1, x - image->handleX, y - image->handleY);
    context->Validate();
    DrawFrame(*image, f, 0, 0);
    PopMatrix();
    return 0;
}

int DrawImage(Image* image, float x, float y, float rotation, float xScale, float yScale, int frame) {
    const Frame& f = image->frames[frame];
    PushMatrix();
    Transform(1, 0, 0, 1, x, y);
    Rotate(rotation);
    Transform(xScale, 0, 0, yScale, 0, 0);
    Transform(1, 0, 0, 1, -image->handleX, -image->handleY);
    context->Validate();
    DrawFrame(*image, f, 0, 0);
    PopMatrix();
    return 0;
}
}  // namespace graphics
