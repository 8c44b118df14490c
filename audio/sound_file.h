#pragma once
// Sound files to raw interleaved PCM: RIFF/WAVE with integer PCM, and Ogg Vorbis through stb_vorbis.
#include <cstdio>

#include "app/text.h"

// Returns a block from malloc (release with unloadSound) or null; the out-parameters are written only on success.
// format is bytes per sample. The extension alone ("wav" or "ogg", any case) picks the reader.
void* loadSound(const String& path, int* length, int* channels, int* format, int* hertz);
void unloadSound(void* data);

// The two readers on a file opened for binary reading from its start; the caller keeps and closes the file.
// loadSound uses them; the fuzzer feeds them memory files.
void* readWavFile(std::FILE* file, int* length, int* channels, int* format, int* hertz);
void* readOggFile(std::FILE* file, int* length, int* channels, int* format, int* hertz);
