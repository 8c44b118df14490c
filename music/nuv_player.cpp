// NuvPlayer: construction, configuration, the shared random draw, chords and the seeded start of a tune.
#include "music/nuv_player.h"

#include <cmath>
#include <cstdint>

#include "app/gxtk_app.h"
#include "app/random.h"
#include "app/runtime.h"

NuvPlayer::NuvPlayer() : noteData(262145, 0) {}

int NuvPlayer::Nuv_Init(int top, int drumKits, int leads, int accompaniments, int basses) {
    topChannel = top;
    instrumentCounts[1] = drumKits;
    instrumentCounts[2] = leads;
    instrumentCounts[3] = accompaniments;
    instrumentCounts[4] = basses;
    return 0;
}

int NuvPlayer::Rand(float low, float high) {
    float u = rng::Rnd();
    return static_cast<int>(std::floor(low + (high + 0.99f - low) * u));
}

String NuvPlayer::Nuv_GetChord(int type) {
    switch (type) {
        case 0: return u"qqqq";
        case 2: return u"qqbb";
        case 3: return u"qbqb";
        case 4: return u"qqqj";
        case 5: return u"qqzz";
        default: return u"qqjj";
    }
}

// Every draw of the arrangement starts from a seed made of the tune seed, the section and the voice only, so one
// seed always gives the same arrangement; the discarded draws stir the generator away from the plain seed.
void NuvPlayer::Reseed(int seed, int discards) {
    rng::Seed = static_cast<std::uint32_t>(seed);
    for (int i = 0; i < discards; ++i) Rand(1, 5);
}

void NuvPlayer::DrawArrangement() {
    Reseed(tuneSeed + section, 11);
    instrumentChoice[1] = Rand(1, instrumentCounts[1]);
    instrumentChoice[2] = Rand(1, instrumentCounts[1]);
    instrumentChoice[3] = Rand(1, instrumentCounts[2]);
    instrumentChoice[4] = Rand(1, instrumentCounts[3]);
    instrumentChoice[5] = Rand(1, instrumentCounts[4]);
}

void NuvPlayer::DrawVoicePatterns() {
    for (int v = 0; v < voiceCount; ++v) {
        Reseed(section * 9 + tuneSeed + 7 * v, 11);
        voicePattern[v] = Rand(0, lastPattern[v]);
        voiceMutedNext[v] = Rand(0, 1);
        voiceLeadIn[v] = Rand(0, 1);
        voiceMuted[v] = Rand(0, 1);
    }
    if (voiceMuted[0] == 1 && voiceMuted[1] == 1) voiceMuted[0] = 0;
}

int NuvPlayer::Nuv_StartTune(const String& name, int seed, int newTempo) {
    String path = u"tunes/" + name + u".png";
    DebugLog(u"Playing  " + path + u" - " + IntToString(seed));
    section = 0;
    tuneSeed = seed;
    nextRowTime = app::Millisecs() + 100;
    row = 0;
    tempo = newTempo;
    playState = 2;
    if (path != tunePath) {
        loadStep = 1;
        tunePath = path;
        for (int v = 0; v < voiceCount; ++v) {
            lastPattern[v] = 0;
            voicePattern[v] = 0;
        }
    }
    for (int v = 0; v < voiceCount; ++v) voiceChannel[v] = topChannel - v;
    DrawArrangement();
    DrawVoicePatterns();
    barsLeft = Rand(1, 2) * 2;
    chordQueue = u"qqjj";
    return 0;
}
