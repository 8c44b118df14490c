#pragma once
// Builds small RIFF/WAVE files byte by byte, so each test can shape exactly the header it needs.
#include <cstdint>
#include <string>

namespace wavbuild {

inline std::string Le16(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

inline std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

// A chunk whose size field says declared, whatever the payload really holds.
inline std::string Chunk(const std::string& tag, uint32_t declared, const std::string& payload) {
    return tag + Le32(declared) + payload;
}

inline std::string Chunk(const std::string& tag, const std::string& payload) {
    return Chunk(tag, static_cast<uint32_t>(payload.size()), payload);
}

struct Fmt {
    int audioFormat = 1;
    int channels = 1;
    int hertz = 8000;
    int bits = 16;
    int extra = 0;  // bytes after the 16 the reader uses
};

inline std::string FmtChunk(const Fmt& f) {
    const int blockAlign = f.channels * (f.bits / 8);
    return Chunk("fmt ", Le16(f.audioFormat) + Le16(f.channels) + Le32(f.hertz) + Le32(f.hertz * blockAlign) +
                             Le16(blockAlign) + Le16(f.bits) + std::string(f.extra, '\x5A'));
}

inline std::string Riff(const std::string& body) {
    return "RIFF" + Le32(static_cast<uint32_t>(4 + body.size())) + "WAVE" + body;
}

// Distinct bytes, so a block read from the wrong offset shows.
inline std::string Pcm(int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(i * 7 + 3);
    return s;
}

inline std::string Wav(const Fmt& f, const std::string& pcm) { return Riff(FmtChunk(f) + Chunk("data", pcm)); }

}  // namespace wavbuild
