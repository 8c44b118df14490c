// Surfaces: image files decoded with stb_image and kept as premultiplied OpenGL textures.
#include <GL/gl.h>
#include <GL/glext.h>
#include <stb_image.h>

#include "app/paths.h"
#include "graphics/image_file.h"
#include "graphics/render_device.h"
#include "graphics/texture_size.h"

namespace {
GLenum TextureFormat(int depth) {
    switch (depth) {
    case 1: return GL_LUMINANCE;
    case 2: return GL_LUMINANCE_ALPHA;
    case 3: return GL_RGB;
    default: return GL_RGBA;
    }
}

// Grey-alpha and RGBA pixels get their colour multiplied by alpha, in place; the other depths have no alpha.
void Premultiply(unsigned char* pixels, int count, int depth) {
    if (depth != 2 && depth != 4) return;
    int colours = depth - 1;
    for (unsigned char* p = pixels; count--; p += depth) {
        int a = p[colours];
        for (int c = 0; c < colours; ++c) p[c] = static_cast<unsigned char>(p[c] * a / 255);
    }
}

bool TryTexImage(GLenum format, int w, int h) {
    while (glGetError() != GL_NO_ERROR) {
    }
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), w, h, 0, format, GL_UNSIGNED_BYTE, nullptr);
    return glGetError() == GL_NO_ERROR;
}
}  // namespace

gxtkSurface::~gxtkSurface() { gxtkSurface::Discard(); }

int gxtkSurface::Discard() {
    if (texture) {
        glDeleteTextures(1, &texture);
        texture = 0;
    }
    if (pixels) {
        stbi_image_free(pixels);
        pixels = nullptr;
    }
    return 0;
}

int gxtkSurface::Width() { return width; }
int gxtkSurface::Height() { return height; }
int gxtkSurface::Loaded() { return 1; }

bool gxtkSurface::OnUnsafeLoadComplete() {
    GLenum format = TextureFormat(depth);
    if (pixels) Premultiply(pixels, width * height, depth);

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

    int texWidth = 0, texHeight = 0;
    bool allocated = AllocateTexture(width, height, &texWidth, &texHeight,
                                     [format](int w, int h) { return TryTexImage(format, w, h); });
    if (allocated && pixels) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, format, GL_UNSIGNED_BYTE, pixels);
    }
    if (pixels) {
        stbi_image_free(pixels);
        pixels = nullptr;
    }
    if (!allocated) return false;
    uScale = 1.0f / static_cast<float>(texWidth);
    vScale = 1.0f / static_cast<float>(texHeight);
    return true;
}

SurfacePtr gxtkGraphics::LoadSurface(const String& path) {
    SurfacePtr surface = LoadSurface__UNSAFE__(std::make_shared<gxtkSurface>(), path);
    if (!surface || !surface->OnUnsafeLoadComplete()) return nullptr;
    return surface;
}

SurfacePtr gxtkGraphics::LoadSurface__UNSAFE__(SurfacePtr surface, const String& path) {
    unsigned char* pixels = loadImage(path, &surface->width, &surface->height, &surface->depth);
    if (!pixels) return nullptr;
    surface->pixels = pixels;
    return surface;
}

SurfacePtr gxtkGraphics::CreateSurface(int w, int h) {
    auto surface = std::make_shared<gxtkSurface>();
    surface->width = w;
    surface->height = h;
    surface->depth = 4;
    if (!surface->OnUnsafeLoadComplete()) return nullptr;
    return surface;
}

unsigned char* loadImage(const String& path, int* width, int* height, int* depth) {
    std::FILE* file = fopenFile(path, u"rb");
    if (!file) return nullptr;
    unsigned char* pixels = readImageFile(file, width, height, depth);
    std::fclose(file);
    return pixels;
}
