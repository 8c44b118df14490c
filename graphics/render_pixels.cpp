// Pixel read-back from the window and pixel writes into a surface's texture.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <vector>

#include "graphics/render_device.h"

int gxtkGraphics::ReadPixels(int* pixels, int x, int y, int w, int h, int offset, int pitch) {
    Flush();
    // Read straight into the caller's rows (BGRA bytes are alpha-red-green-blue ints on a little-endian machine),
    // then turn GL's bottom-up rows the right way round in place.
    int* block = pixels + offset;
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, pitch);
    glReadPixels(x, height - y - h, w, h, GL_BGRA, GL_UNSIGNED_BYTE, block);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    int stride = pitch ? pitch : w;
    for (int top = 0, bottom = h - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(block + top * stride, block + top * stride + w, block + bottom * stride);
    }
    return 0;
}

int gxtkGraphics::WritePixels2(gxtkSurface* surface, const int* pixels, int x, int y, int w, int h, int offset,
                               int pitch) {
    Flush();
    std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
    unsigned char* out = rgba.data();
    for (int r = 0; r < h; ++r) {
        const int* row = pixels + offset + r * pitch;
        for (int c = 0; c < w; ++c, out += 4) {
            unsigned int p = static_cast<unsigned int>(row[c]);
            unsigned int a = p >> 24;
            out[0] = static_cast<unsigned char>(((p >> 16) & 255) * a / 255);
            out[1] = static_cast<unsigned char>(((p >> 8) & 255) * a / 255);
            out[2] = static_cast<unsigned char>((p & 255) * a / 255);
            out[3] = static_cast<unsigned char>(a);
        }
    }
    glBindTexture(GL_TEXTURE_2D, surface->texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return 0;
}
