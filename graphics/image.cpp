// Images: a surface cut into equally sized frames, with a handle and padding flags; loading and the default font.
#include "app/paths.h"
#include "app/runtime.h"
#include "graphics/graphics.h"

int Image::DefaultFlags = 0;

int Image::SetHandle(float x, float y) {
    handleX = x;
    handleY = y;
    imageFlags &= ~CentreHandle;
    return 0;
}

int Image::ApplyFlags(int flags) {
    imageFlags = flags;
    if (flags & HorizontalPadding) {
        for (Frame& f : frames) f.x += 1;
        width -= 2;
    }
    if (flags & VerticalPadding) {
        for (Frame& f : frames) f.y += 1;
        height -= 2;
    }
    if (flags & CentreHandle) SetHandle(width * 0.5f, height * 0.5f);
    if (frames.size() == 1 && frames[0].x == 0 && frames[0].y == 0 && width == surface->Width() &&
        height == surface->Height()) {
        imageFlags |= WholeSurface;
    }
    return 0;
}

// The frames side by side in one row; columns left over by the integer division are never used.
Image* Image::Init(SurfacePtr surf, int frameCount, int flags) {
    surface = std::move(surf);
    width = surface->Width() / frameCount;
    height = surface->Height();
    frames.assign(frameCount, Frame{});
    for (int i = 0; i < frameCount; ++i) frames[i].x = i * width;
    ApplyFlags(flags);
    return this;
}

// Cuts frames in reading order: left to right, wrapping to the next row of the source when a frame would not fit.
Image* Image::Grab(int x, int y, int w, int h, int frameCount, int flags, ImagePtr source) {
    sourceImage = std::move(source);
    const Image& src = *sourceImage;
    surface = src.surface;
    width = w;
    height = h;
    frames.assign(frameCount, Frame{});
    for (Frame& f : frames) {
        if (x + w > src.width) {
            if (w > src.width) Error(u"Image frame outside surface");
            x = 0;
            y += h;
        }
        if (y + h > src.height) Error(u"Image frame outside surface");
        f.x = x + src.frames[0].x;
        f.y = y + src.frames[0].y;
        x += w;
    }
    ApplyFlags(flags);
    return this;
}

ImagePtr Image::GrabImage(int x, int y, int w, int h, int frameCount, int flags) {
    if (frames.size() != 1) return nullptr;
    auto image = std::make_shared<Image>();
    image->Grab(x, y, w, h, frameCount, flags, shared_from_this());
    return image;
}

namespace graphics {
ImagePtr LoadImage(const String& path, int frameCount, int flags) {
    SurfacePtr surface = device->LoadSurface(FixDataPath(path));
    if (!surface) return nullptr;
    auto image = std::make_shared<Image>();
    image->Init(std::move(surface), frameCount, flags);
    return image;
}

ImagePtr LoadImage(const String& path, int frameWidth, int frameHeight, int frameCount, int flags) {
    ImagePtr sheet = LoadImage(path, 1, 0);
    if (!sheet) return nullptr;
    return sheet->GrabImage(0, 0, frameWidth, frameHeight, frameCount, flags);
}

int SetFont(ImagePtr font, int firstChar) {
    GraphicsContext& c = *context;
    if (font) {
        c.fontImage = std::move(font);
        c.fontFirstChar = firstChar;
        return 0;
    }
    // The default font loads or fails quietly; a failed load is tried again at the next call.
    if (!c.builtinFont) c.builtinFont = LoadImage(u"plinth_font.png", 96, 2);
    c.fontImage = c.builtinFont;
    c.fontFirstChar = 32;
    return 0;
}
}  // namespace graphics
