#pragma once
// Asset names resolve into the data folder through the "marmo://" schemes.
#include <cstdio>

#include "app/text.h"

// "common/icons.png" -> "marmo://data/common/icons.png"; full paths and "./" or "/" paths stay as they are.
String FixDataPath(const String& path);
// Opens a path, resolving marmo://data/, marmo://internal/ and marmo://external/ to folders of the current
// directory; any other marmo:// folder gives null. The caller closes the file.
std::FILE* fopenFile(const String& path, const String& mode);
