#pragma once
#include <cstdio>

// True when the comment header of the Ogg stream that starts at the file's position has lengths that fit inside
// it. stb_vorbis allocates and fills whatever lengths it finds there, so a damaged one would cost gigabytes or
// write out of bounds. Leaves the file where it was.
bool OggCommentsFit(std::FILE* file);
