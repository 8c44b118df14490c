// NuvPlayer: the incremental loader, one step per call: the tune image, the instruments, then one pattern a step.
#include "music/nuv_player.h"

#include "app/gxtk_app.h"
#include "app/runtime.h"

namespace {
constexpr int kLastStep = 70;
constexpr int kFirstFrameStep = 5;   // step 5 decodes frame 0
constexpr int kLastFrameStep = 67;   // step 67 decodes frame 62; frame 63 is never read

String DrumFile(int kit, int sound) { return u"inst/d" + IntToString(kit) + u"-" + IntToString(sound) + u".wav"; }
}  // namespace

void NuvPlayer::DecodeFrame(int frame, int step) {
    const Frame& where = tuneImage->frames[frame];
    int* cells = &noteData[frame * 4096];
    for (int y = 0; y < 64; ++y) {
        for (int t = 0; t < 8; ++t) {
            for (int c = 0; c < 8; ++c) {
                int v = tunePixels.Blue(where.x + t * 8 + c, where.y + y) >> 3;
                cells[t * 512 + y * 8 + c] = v;
                if (v == 0) continue;
                lastPattern[t] = frame;
                Print(IntToString(step) + u":" + IntToString(t) + u":" + IntToString(y));
            }
        }
    }
}

int NuvPlayer::Nuv_LoadChunk() {
    int s = loadStep;
    if (s == 1) {
        DebugLog(u"Music File : " + tunePath);
        tuneImage = graphics::LoadImage(tunePath, 64, 64, 64, 1);
        tunePixels.Clear();
        if (tuneImage) tunePixels.Load(tunePath);
    } else if (s >= 2 && s <= 9) {
        drumKitA[s - 1] = audio::LoadSound(DrumFile(instrumentChoice[1], s - 1));
    } else if (s >= 12 && s <= 19) {
        drumKitB[s - 11] = audio::LoadSound(DrumFile(instrumentChoice[2], s - 11));
    } else if (s == 21) {
        voiceInstrument[2] = audio::LoadSound(u"inst/lead" + IntToString(instrumentChoice[3]) + u".wav");
    } else if (s == 22) {
        voiceInstrument[3] = audio::LoadSound(u"inst/accompany" + IntToString(instrumentChoice[4]) + u".wav");
    } else if (s == 23) {
        voiceInstrument[4] = audio::LoadSound(u"inst/bass" + IntToString(instrumentChoice[5]) + u".wav");
    }
    if (tuneImage && tunePixels.Loaded() && s >= kFirstFrameStep && s <= kLastFrameStep)
        DecodeFrame(s - kFirstFrameStep, s);
    loadStep = s + 1;
    nextRowTime = app::Millisecs() + 100;
    if (loadStep > kLastStep) {
        loadStep = 0;
        tunePixels.Clear();
    }
    return 0;
}

int NuvPlayer::Nuv_Alive_R() {
    for (int i = 0; i < 3 && loadStep > 0; ++i) Nuv_LoadChunk();
    graphics::Cls(0, 0, 0);
    return 0;
}
