// Reassembles the first two packets of the stream from its pages, the way stb_vorbis reads them (in file order,
// serial numbers and checksums ignored), and walks the comment packet's length fields.
#include "audio/ogg_comments.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Appends packets to out[0] and out[1] until both are complete; false at the end of the pages.
bool readPackets(std::FILE* f, std::string* out) {
    int which = 0;
    while (which < 2) {
        unsigned char head[27];
        if (std::fread(head, 1, 27, f) != 27 || std::memcmp(head, "OggS", 4) != 0) return false;
        unsigned char lacing[255];
        const size_t segments = head[26];
        if (std::fread(lacing, 1, segments, f) != segments) return false;
        for (size_t i = 0; i < segments && which < 2; ++i) {
            const size_t at = out[which].size();
            out[which].resize(at + lacing[i]);
            if (std::fread(&out[which][at], 1, lacing[i], f) != lacing[i]) return false;
            if (lacing[i] < 255) ++which;  // a short segment ends the packet
        }
    }
    return true;
}

uint32_t le32(const std::string& p, size_t at) {
    const auto* b = reinterpret_cast<const unsigned char*>(p.data() + at);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

bool commentsFit(const std::string& p) {
    if (p.size() < 11 || p.compare(0, 7, "\x03vorbis") != 0) return false;
    size_t at = 7;
    const uint32_t vendor = le32(p, at);
    at += 4;
    if (vendor > p.size() - at || p.size() - at - vendor < 4) return false;
    at += vendor;
    const uint32_t count = le32(p, at);
    at += 4;
    if (count > (p.size() - at) / 4) return false;
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t len = le32(p, at);
        at += 4;
        if (len > p.size() - at) return false;
        at += len;
        if (i + 1 < count && p.size() - at < 4) return false;
    }
    return true;
}

}  // namespace

bool OggCommentsFit(std::FILE* file) {
    const long start = std::ftell(file);
    if (start < 0) return false;
    std::string packets[2];
    const bool fit = readPackets(file, packets) && commentsFit(packets[1]);
    return std::fseek(file, start, SEEK_SET) == 0 && fit;
}
