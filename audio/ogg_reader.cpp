// Ogg Vorbis decoded frame by frame into one growing block of interleaved 16-bit samples.
#include <cstdlib>

#include "audio/ogg_comments.h"
#include "audio/sound_file.h"

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

namespace {

// A Vorbis frame yields at most half the long block, 4096 sample frames; the block keeps that much room free.
constexpr int kFrameRoom = 4096;

short* decodeAll(stb_vorbis* v, int channels, int* length) {
    long room = static_cast<long>(channels) * kFrameRoom;
    long used = 0;
    auto* data = static_cast<short*>(std::malloc(room * sizeof(short)));
    if (!data) return nullptr;
    *length = 0;
    for (;;) {
        const int n = stb_vorbis_get_frame_short_interleaved(v, channels, data + used, static_cast<int>(room - used));
        if (n == 0) return data;
        *length += n;
        used += static_cast<long>(n) * channels;
        if (room < used + static_cast<long>(channels) * kFrameRoom) {
            room *= 2;
            auto* grown = static_cast<short*>(std::realloc(data, room * sizeof(short)));
            if (!grown) {
                std::free(data);
                return nullptr;
            }
            data = grown;
        }
    }
}

// stb_vorbis loses blocks it allocated for a codebook it then refuses, so every load of such a damaged file would
// leak. Given an arena, the decoder takes all its memory from it, and the arena is freed with the decoder; a stream
// that needs more is opened again with twice the room.
constexpr int kFirstArena = 256 * 1024;
constexpr int kLargestArena = 64 * 1024 * 1024;

stb_vorbis* openInArena(std::FILE* file, stb_vorbis_alloc* arena) {
    const long start = std::ftell(file);
    for (int size = kFirstArena; size <= kLargestArena; size *= 2) {
        arena->alloc_buffer = static_cast<char*>(std::malloc(size));
        arena->alloc_buffer_length_in_bytes = size;
        if (!arena->alloc_buffer) return nullptr;
        int error = 0;
        stb_vorbis* v = stb_vorbis_open_file(file, 0, &error, arena);
        if (v) return v;
        std::free(arena->alloc_buffer);
        arena->alloc_buffer = nullptr;
        if (error != VORBIS_outofmem || std::fseek(file, start, SEEK_SET) != 0) return nullptr;
    }
    return nullptr;
}

}  // namespace

void* readOggFile(std::FILE* file, int* length, int* channels, int* format, int* hertz) {
    if (!OggCommentsFit(file)) return nullptr;
    stb_vorbis_alloc arena{};
    stb_vorbis* v = openInArena(file, &arena);
    if (!v) return nullptr;
    const stb_vorbis_info info = stb_vorbis_get_info(v);
    int frames = 0;
    short* data = info.channels > 0 ? decodeAll(v, info.channels, &frames) : nullptr;
    stb_vorbis_close(v);
    std::free(arena.alloc_buffer);
    if (!data) return nullptr;
    *length = frames;
    *channels = info.channels;
    *format = 2;
    *hertz = static_cast<int>(info.sample_rate);
    return data;
}
