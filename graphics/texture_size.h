#pragma once
// Texture sizes: exactly the image's size first; drivers without non-power-of-two support say so only by failing,
// and then the next powers of two are tried once.

// The smallest power of two that is at least n (1 for n <= 1).
inline int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// allocate(w, h) reserves level 0 of the bound texture and says whether the driver accepted it. On success the
// sizes it was allocated at are stored in texWidth and texHeight.
template <class Allocate>
bool AllocateTexture(int width, int height, int* texWidth, int* texHeight, Allocate allocate) {
    int w = width, h = height;
    if (!allocate(w, h)) {
        w = NextPowerOfTwo(width);
        h = NextPowerOfTwo(height);
        if (!allocate(w, h)) return false;
    }
    *texWidth = w;
    *texHeight = h;
    return true;
}
