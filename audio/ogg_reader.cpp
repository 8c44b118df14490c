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

}  // namespace

void* readOggFile(std::FILE* file, int* length, int* channels, int* format, int* hertz) {
    if (!OggCommentsFit(file)) return nullptr;
    int error = 0;
    stb_vorbis* v = stb_vorbis_open_file(file, 0, &error, nullptr);
    if (!v) return nullptr;
    const stb_vorbis_info info = stb_vorbis_get_info(v);
    int frames = 0;
    short* data = info.channels > 0 ? decodeAll(v, info.channels, &frames) : nullptr;
    stb_vorbis_close(v);
    if (!data) return nullptr;
    *length = frames;
    *channels = info.channels;
    *format = 2;
    *hertz = static_cast<int>(info.sample_rate);
    return data;
}
