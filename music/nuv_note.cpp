// NuvPlayer: one cell of one voice: drum hits, melodic notes, the volume envelope and the pitch slides.
#include "music/nuv_player.h"

#include <algorithm>

namespace {
// Kit sounds 1 to 8 in slot order.
constexpr int kKitNotes[8] = {13, 15, 17, 18, 20, 22, 24, 25};
constexpr float kDrumPan[2] = {-0.35f, 0.35f};
// A row's envelope step; the hold ends on the fifth step from 1.5 because 0.1f is not exact.
constexpr float kEnvelopeStep = 0.1f;
constexpr float kNoteEnvelope = 1.5f;
constexpr float kDrumEnvelope = 4.0f;
constexpr float kMaxRate = 4.0f;
constexpr float kMinRate = 0.25f;

int KitSlot(int note) {
    for (int i = 0; i < 8; ++i)
        if (kKitNotes[i] == note) return i + 1;
    return 0;
}
}  // namespace

void NuvPlayer::TriggerDrum(int voice, int note, int ch) {
    audio::device->StopChannel(ch);
    int slot = KitSlot(note);
    Sound* sound = slot ? (voice == 0 ? drumKitA : drumKitB)[slot].get() : nullptr;
    if (sound) {
        voiceSounding[voice] = 1;
        if (sound->sample) audio::device->PlaySample(sound->sample.get(), ch, 0);
        audio::device->SetPan(ch, kDrumPan[voice]);
    }
    voiceRate[voice] = 1.0f;  // the channel keeps the rate it last received until a slide sends one
    voiceEnvelope[voice] = kDrumEnvelope;
}

void NuvPlayer::ShapeVolume(int voice, int volume, int ch, int muted) {
    float level = static_cast<float>(volume - 1) / 29.0f;
    if (level > 1.0f) {
        voiceEnvelope[voice] = 0;
        level = 0;
    } else if (level < 0) {
        level = 0;
    }
    if (volume > 0 && ch > 0 && !muted) {
        voiceEnvelope[voice] = kNoteEnvelope;
        audio::device->SetVolume(ch, masterVolume * level);
        voiceVolume[voice] = level;
    } else {
        level = voiceVolume[voice];
    }
    float e = voiceEnvelope[voice] - kEnvelopeStep;
    voiceEnvelope[voice] = e;
    if (e < 0) {
        voiceEnvelope[voice] = 0;
        e = 0;
    }
    if (e < 1.0f && ch > 0) {
        audio::device->SetVolume(ch, masterVolume * e * level);
        voiceVolume[voice] = e * level;
    }
}

void NuvPlayer::TriggerMelodic(int voice, int note, int ch) {
    audio::device->StopChannel(ch);
    float rate = GetPitch(note) * transpose;
    voiceRate[voice] = rate;
    voiceEnvelope[voice] = kNoteEnvelope;
    audio::device->SetRate(ch, rate);
    Sound* sound = voiceInstrument[voice].get();
    if (!sound) return;
    voiceSounding[voice] = 1;
    if (sound->sample) audio::device->PlaySample(sound->sample.get(), ch, 1);
}

void NuvPlayer::ApplySlide(int voice, int effect, int amount, int ch) {
    float& rate = voiceRate[voice];
    switch (effect) {
        case 1: rate = std::min(rate + amount / 180.0f, kMaxRate); break;
        case 2: rate = std::max(rate - amount / 180.0f, kMinRate); break;
        case 3: rate = std::min(rate + amount / 15.0f, kMaxRate); break;
        case 4: rate = std::max(rate - amount / 15.0f, kMinRate); break;
        default: return;
    }
    audio::device->SetRate(ch, rate);
}

int NuvPlayer::Nuv_PlayNote(int voice, int note, int volume, int effect, int amount) {
    int muted = voiceMuted[voice];
    // A voice that joins in the next section may come in over the last rows of this one.
    if (barsLeft <= 1 && row > 55 && voiceLeadIn[voice] == 1 && voiceMutedNext[voice] == 0) muted = 0;
    transpose = chordQueue.empty() ? 1.0f : GetPitch_Alpha(chordQueue[0]);
    for (int i = 0; i < voiceCount; ++i) voiceChannel[i] = topChannel - 1 - i;
    int ch = voiceChannel[voice];
    bool drum = voice == 0 || voice == 1;
    if (drum && note > 0 && !muted && ch > 0) TriggerDrum(voice, note, ch);
    ShapeVolume(voice, volume, ch, muted);
    if (!drum && note > 0) {
        if (muted || ch <= 0) return 0;
        TriggerMelodic(voice, note, ch);
    } else if (muted) {
        return 0;
    }
    if (ch <= 0) return 0;
    ApplySlide(voice, effect, amount, ch);
    return 0;
}
