#pragma once
// Texts are 16-bit strings throughout; these are the few conversions the game needs.
#include <string>
#include <string_view>
#include <vector>

using String = std::u16string;

// Widens 8-bit text character by character (ASCII literals, file names).
String FromAscii(std::string_view s);
// Cuts every character to its low 8 bits: what goes to standard output.
std::string ToNarrow(const String& s);

String IntToString(int value);
// Up to 17 significant digits, with ".0" appended when there is neither a point nor an exponent.
String FloatToString(float value);

// Every piece between separators, empty pieces included.
std::vector<String> Split(const String& text, const String& separator);

inline String operator""_s(const char* s, std::size_t n) { return FromAscii(std::string_view(s, n)); }
