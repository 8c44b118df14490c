#pragma once
// Sound files to raw interleaved PCM: RIFF/WAVE with integer PCM, and Ogg Vorbis through stb_vorbis.
#include "app/text.h"

// Returns a block from malloc (release with unloadSound) or null; the out-parameters are written only on success.
// format is bytes per sample.
void* loadSound(const String& path, int* length, int* channels, int* format, int* hertz);
void unloadSound(void* data);
