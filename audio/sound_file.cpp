#include "audio/sound_file.h"

#include <cstdlib>

#include "app/paths.h"

namespace {

enum class SoundKind { Unknown, Wav, Ogg };

// The text after the last dot, unless a folder separator follows that dot.
SoundKind KindOf(const String& path) {
    const auto dot = path.rfind(u'.');
    if (dot == String::npos || path.find_first_of(u"/\\", dot) != String::npos) return SoundKind::Unknown;
    String ext = path.substr(dot + 1);
    for (auto& c : ext) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    if (ext == u"wav") return SoundKind::Wav;
    if (ext == u"ogg") return SoundKind::Ogg;
    return SoundKind::Unknown;
}

}  // namespace

void* loadSound(const String& path, int* length, int* channels, int* format, int* hertz) {
    const SoundKind kind = KindOf(path);
    if (kind == SoundKind::Unknown) return nullptr;
    std::FILE* file = fopenFile(path, u"rb");
    if (!file) return nullptr;
    void* data = kind == SoundKind::Wav ? readWavFile(file, length, channels, format, hertz)
                                        : readOggFile(file, length, channels, format, hertz);
    std::fclose(file);
    return data;
}

void unloadSound(void* data) { std::free(data); }
