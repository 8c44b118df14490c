#include "app/text.h"

#include <cstdio>
#include <cstring>

String FromAscii(std::string_view s) {
    String out;
    out.reserve(s.size());
    for (unsigned char c : s) out.push_back(c);
    return out;
}

std::string ToNarrow(const String& s) {
    std::string out;
    out.reserve(s.size());
    for (char16_t c : s) out.push_back(static_cast<char>(c & 0xff));
    return out;
}

String IntToString(int value) { return FromAscii(std::to_string(value)); }

String FloatToString(float value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", static_cast<double>(value));
    if (!std::strpbrk(buf, ".eEn")) std::strcat(buf, ".0");
    return FromAscii(buf);
}

std::vector<String> Split(const String& text, const String& separator) {
    std::vector<String> pieces;
    if (separator.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        if (at == String::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}
