#pragma once
// Picture files to pixels, without touching OpenGL: PNG through stb_image, keeping the file's own component count. Separate from the surface upload so the decoder can be fed bytes on its own.
#include <cstdio>

// Pixels from stb_image (release with stbi_image_free) or null, also for any file that is not a PNG; the caller keeps
// and closes the file.
unsigned char* readImageFile(std::FILE* file, int* width, int* height, int* depth);
