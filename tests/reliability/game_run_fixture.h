#pragma once
// The real program (tests/game's fixture) driven like a player: a click on the play button, fire held and released
// while the pointer wanders, rounds played to their end and back to the menu. Every render is followed by a GL
// error check.
#include <GL/gl.h>
#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>

#include "game/modes.h"
#include "tests/game/app_fixture.h"

namespace reliability {

// AddressSanitizer keeps freed blocks in quarantine and serves malloc itself, so resident memory swings by design and
// malloc's own counts read zero; it reports leaks at exit instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr int kLeftMouse = 1;

// Resident set size of this process in kilobytes, after handing freed heap pages back to the system: glibc keeps
// them after the big transient buffers of picture decoding, which would read as growth that nothing holds.
inline long ResidentKb() {
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Bytes the program holds from malloc (in use, heap and mapped), in kilobytes: what a leak would raise even where
// the allocator keeps freed pages resident.
inline long MallocInUseKb() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long>((m.uordblks + m.hblkhd) / 1024);
}

class GameRun : public AppFixture {
protected:
    // One update; a render (and GL check) when `render` is set.
    void Step(bool render) {
        UpdateOnly();
        if (!render) return;
        Render();
        const GLenum error = glGetError();
        if (error != GL_NO_ERROR && glErrors++ == 0) firstGlError = error;
    }

    // The scripted player for update t of a round: the pointer sweeps the plane's half of the screen, fire is held
    // for 90 updates and released for 30.
    void Play(long t) {
        const float phase = static_cast<float>(t % 600) / 600.0f * 6.2831853f;
        MoveMouse(480 + 120 * std::sin(phase), 240 + 180 * std::sin(2 * phase));
        if (t % 120 == 0) Press(kLeftMouse);
        if (t % 120 == 90) Release(kLeftMouse);
    }

    // Runs `updates` updates of menu and rounds, rendering every `renderEvery`th; counts rounds started and ended.
    template <typename Sample>
    void PlayFor(long updates, int renderEvery, Sample sample) {
        long inRound = 0;
        for (long u = 0; u < updates; ++u) {
            const int before = game->mode;
            // A click on the play button once a second while the menu is in place (one pixel per unit at 640 by 480).
            if (game->mode == kTitleMenu && game->loadStage == 0 && game->menuSlide == 0 && u % 60 == 0) {
                Release(kLeftMouse);
                MoveMouse(0.7f * 640, 0.3f * 480);
                Press(kLeftMouse);
            } else if (game->mode == kRound) {
                Play(inRound++);
            } else {
                Release(kLeftMouse);
                inRound = 0;
            }
            Step(u % renderEvery == 0);
            roundsStarted += before != kRound && game->mode == kRound;
            roundsEnded += before == kRound && game->mode != kRound;
            sample(u);
        }
        Release(kLeftMouse);
    }

    int glErrors = 0;
    GLenum firstGlError = GL_NO_ERROR;
    int roundsStarted = 0;
    int roundsEnded = 0;
};

}  // namespace reliability
