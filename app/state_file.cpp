#include "app/state_file.h"

#include <unistd.h>

#include <cstdio>

#include "app/paths.h"
#include "app/runtime.h"

namespace statefile {
namespace {
constexpr std::size_t kBlockSize = 4096;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Strict over the design's forms (one, two and three bytes); false on anything else.
bool DecodeUtf8(const std::string& bytes, std::size_t start, String& out) {
    std::size_t i = start;
    const std::size_t n = bytes.size();
    while (i < n) {
        unsigned char b = bytes[i];
        if (b < 0x80) {
            out.push_back(b);
            i += 1;
        } else if ((b & 0xE0) == 0xC0) {
            if (i + 1 >= n || !IsContinuation(bytes[i + 1])) return false;
            out.push_back(static_cast<char16_t>(((b & 0x1F) << 6) | (bytes[i + 1] & 0x3F)));
            i += 2;
        } else if ((b & 0xF0) == 0xE0) {
            if (i + 2 >= n || !IsContinuation(bytes[i + 1]) || !IsContinuation(bytes[i + 2])) return false;
            out.push_back(static_cast<char16_t>(((b & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) |
                                                (bytes[i + 2] & 0x3F)));
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

String DecodeUtf16(const std::string& bytes, bool bigEndian) {
    String out;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        unsigned char first = bytes[i], second = bytes[i + 1];
        out.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return out;
}

bool StartsWithBytes(const std::string& bytes, const char* mark, std::size_t length) {
    return bytes.compare(0, length, mark, length) == 0;
}

// The temporary file is flushed to disk before it replaces the state file, so a killed process or a full disk
// leaves either the old state or the new one, never a truncated file.
int WriteDurably(std::FILE* file, const std::string& bytes) {
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = ok && std::fflush(file) == 0;
    ok = ok && fsync(fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    return ok ? 0 : -2;
}
}  // namespace

std::string EncodeUtf8(const String& text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 + (c >> 6)));
            out.push_back(static_cast<char>(0x80 + (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 + (c >> 12)));
            out.push_back(static_cast<char>(0x80 + ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 + (c & 0x3F)));
        }
    }
    return out;
}

String DecodeText(const std::string& bytes) {
    if (StartsWithBytes(bytes, "\xFE\xFF", 2)) return DecodeUtf16(bytes, true);
    if (StartsWithBytes(bytes, "\xFF\xFE", 2)) return DecodeUtf16(bytes, false);
    std::size_t start = StartsWithBytes(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
    String text;
    if (DecodeUtf8(bytes, start, text)) return text;
    Print(u"Invalid UTF-8!");
    text.clear();
    for (std::size_t i = start; i < bytes.size(); ++i) text.push_back(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string ReadAll(std::FILE* file) {
    std::string bytes;
    char block[kBlockSize];
    for (;;) {
        std::size_t n = std::fread(block, 1, kBlockSize, file);
        bytes.append(block, n);
        if (n < kBlockSize) return bytes;
    }
}

int SaveStateFile(const String& text, const char* fileName) {
    const std::string tempName = std::string(fileName) + ".tmp";
    std::FILE* file = std::fopen(tempName.c_str(), "wb");
    if (!file) return -1;
    int result = WriteDurably(file, EncodeUtf8(text));
    if (result == 0 && std::rename(tempName.c_str(), fileName) != 0) result = -2;
    if (result != 0) std::remove(tempName.c_str());
    return result;
}

String LoadStateFile(const char* fileName) {
    std::FILE* file = std::fopen(fileName, "rb");
    if (!file) return String();
    String text = DecodeText(ReadAll(file));
    std::fclose(file);
    return text;
}

String LoadStringFile(const String& path) {
    std::FILE* file = fopenFile(path, u"rb");
    if (!file) return String();
    String text = DecodeText(ReadAll(file));
    std::fclose(file);
    return text;
}
}  // namespace statefile
