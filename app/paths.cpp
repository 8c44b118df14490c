#include "app/paths.h"

#include "app/state_file.h"

namespace {
bool StartsWith(const String& s, const String& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// A scheme or a drive letter: the first "/" of the path is the one right after the first ":/".
bool HasScheme(const String& path) {
    std::size_t colon = path.find(u":/");
    return colon != String::npos && path.find(u'/') == colon + 1;
}

struct Scheme {
    const char16_t* prefix;
    const char16_t* folder;
};
const Scheme kSchemes[] = {
    {u"marmo://data/", u"./data/"},
    {u"marmo://internal/", u"./internal/"},
    {u"marmo://external/", u"./external/"},
};

const Scheme* FindScheme(const String& path) {
    for (const Scheme& scheme : kSchemes)
        if (StartsWith(path, scheme.prefix)) return &scheme;
    return nullptr;
}
}  // namespace

String FixDataPath(const String& path) {
    if (HasScheme(path)) return path;
    if (StartsWith(path, u"./") || StartsWith(path, u"/")) return path;
    return u"marmo://data/" + path;
}

std::FILE* fopenFile(const String& path, const String& mode) {
    String resolved = path;
    if (StartsWith(path, u"marmo://")) {
        const Scheme* scheme = FindScheme(path);
        if (!scheme) return nullptr;
        resolved = scheme->folder + path.substr(std::char_traits<char16_t>::length(scheme->prefix));
    }
    // Linux has no wide-character open; its file names are UTF-8 bytes.
    return std::fopen(statefile::EncodeUtf8(resolved).c_str(), statefile::EncodeUtf8(mode).c_str());
}
