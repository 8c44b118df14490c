#pragma once
// The persisted text: UTF-8 on disk, 16-bit characters in memory.
#include <string>

#include "app/text.h"

namespace statefile {
// Each character on its own: one, two or three bytes; no byte-order mark.
std::string EncodeUtf8(const String& text);
// UTF-16 with either byte-order mark, else UTF-8 (an optional mark skipped); undecodable UTF-8 prints
// "Invalid UTF-8!" and gives one character per byte.
String DecodeText(const std::string& bytes);
// Reads a whole open file.
std::string ReadAll(std::FILE* file);

// Writes ".marmostate" in the current directory through a temporary file renamed over it, so an interrupted save
// leaves the previous state intact. 0 on success, -1 when it cannot be opened, -2 on a short write.
int SaveStateFile(const String& text, const char* fileName = ".marmostate");
// The decoded contents, or the empty text when the file cannot be opened.
String LoadStateFile(const char* fileName = ".marmostate");
// Any path, opened through fopenFile.
String LoadStringFile(const String& path);
}  // namespace statefile
