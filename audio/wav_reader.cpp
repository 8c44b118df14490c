// RIFF/WAVE with integer PCM, read chunk by chunk: "fmt " must come first, every other chunk before "data" is
// skipped by its declared size (no pad byte). Every size is checked against what is left of the file, so a damaged
// header can neither make us allocate more than the file holds nor seek past its end.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "audio/sound_file.h"

namespace {

// Shared by every call: compare a tag before reading the next one.
const char* readTag(std::FILE* f) {
    static char tag[5];
    if (std::fread(tag, 1, 4, f) != 4) return "";
    tag[4] = 0;
    return tag;
}

int readShort(std::FILE* f) {
    unsigned char b[2];
    if (std::fread(b, 1, 2, f) != 2) return -1;
    return b[0] | (b[1] << 8);
}

int readInt(std::FILE* f) {
    unsigned char b[4];
    if (std::fread(b, 1, 4, f) != 4) return -1;
    return static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

bool tagIs(std::FILE* f, const char* expected) { return std::strcmp(readTag(f), expected) == 0; }

long fileSize(std::FILE* f) {
    const long start = std::ftell(f);
    if (start < 0 || std::fseek(f, 0, SEEK_END) != 0) return -1;
    const long size = std::ftell(f);
    if (std::fseek(f, start, SEEK_SET) != 0) return -1;
    return size;
}

// Skips count bytes, refusing to go past the end (or backwards for a negative count).
bool skip(std::FILE* f, long count, long size) {
    const long at = std::ftell(f);
    if (count < 0 || at < 0 || count > size - at) return false;
    return std::fseek(f, count, SEEK_CUR) == 0;
}

struct WavFormat {
    int channels = 0;
    int hertz = 0;
    int bits = 0;
};

bool readHeader(std::FILE* f, long size, WavFormat* fmt) {
    if (!tagIs(f, "RIFF")) return false;
    readInt(f);  // RIFF size: the file's real size is what counts
    if (!tagIs(f, "WAVE") || !tagIs(f, "fmt ")) return false;
    const int fmtSize = readInt(f);
    if (readShort(f) != 1) return false;  // integer PCM only
    fmt->channels = readShort(f);
    fmt->hertz = readInt(f);
    readInt(f);    // byte rate
    readShort(f);  // block align
    fmt->bits = readShort(f);
    // Without a whole byte per sample and a channel there is no frame size to divide by.
    if (fmt->channels <= 0 || fmt->bits < 8) return false;
    return fmtSize <= 16 || skip(f, fmtSize - 16L, size);
}

void* readData(std::FILE* f, long size, int dataSize) {
    const long at = std::ftell(f);
    if (dataSize < 0 || at < 0 || dataSize > size - at) return nullptr;
    void* data = std::malloc(dataSize > 0 ? dataSize : 1);
    if (data && std::fread(data, 1, dataSize, f) == static_cast<size_t>(dataSize)) return data;
    std::free(data);
    return nullptr;
}

}  // namespace

void* readWavFile(std::FILE* f, int* length, int* channels, int* format, int* hertz) {
    const long size = fileSize(f);
    WavFormat fmt;
    if (size < 0 || !readHeader(f, size, &fmt)) return nullptr;
    for (;;) {
        const char* tag = readTag(f);
        if (std::feof(f)) return nullptr;
        const bool isData = std::strcmp(tag, "data") == 0;
        const int chunkSize = readInt(f);
        if (!isData) {
            if (!skip(f, chunkSize, size)) return nullptr;
            continue;
        }
        void* data = readData(f, size, chunkSize);
        if (!data) return nullptr;
        *format = fmt.bits / 8;
        *length = chunkSize / (*format * fmt.channels);
        *channels = fmt.channels;
        *hertz = fmt.hertz;
        return data;
    }
}
