// NuvPlayer: the per-update hook, the row clock, bar ends and section changes, and silencing the voices.
#include "music/nuv_player.h"

#include "app/gxtk_app.h"

namespace {
constexpr int kRowsPerBar = 64;
constexpr int kLastPlayablePattern = 62;
// A next row this far ahead can only come from a clock that went backwards; play at once rather than wait.
constexpr int kClockJumpMs = 123456;
constexpr int kPauseHoldMs = 150;
}  // namespace

int NuvPlayer::Nuv_Alive_U(int paused, int musicOn) {
    if (playState == 0) Nuv_Stop(0);
    if (paused == 1) {
        nextRowTime = app::Millisecs() + kPauseHoldMs;
        if (playState == 2) Nuv_Stop(0);
        return 0;
    }
    if (playState == 2 && loadStep == 0 && musicOn == 1) {
        Nuv_MusicPlay();
        return 0;
    }
    if (playState == 2 && musicOn == 0) Nuv_Stop(0);
    return 0;
}

int NuvPlayer::Nuv_MusicPlay() {
    int now = app::Millisecs();
    if (now <= nextRowTime && nextRowTime - now <= kClockJumpMs) return 0;
    PlayRow();
    // Added to the due time, not to the clock, so a late tune catches up one row per update.
    nextRowTime += 8000 / tempo;
    row = (row + 1) % kRowsPerBar;
    if (row == 0) EndBar();
    return 0;
}

void NuvPlayer::PlayRow() {
    for (int v = 0; v < voiceCount; ++v) {
        int p = voicePattern[v];
        int base = p * 4096 + v * 512 + row * 8;
        if (noteData[base + 2] == 27) {
            int amount = noteData[base + 3];
            int target = p;
            if (amount == 1 && barsLeft % 2 != 0) target = p + 1;
            if (amount == 2 && barsLeft % 2 == 0) target = p - 1;
            // A move off the ends of the tune would read outside the note data: such a move is ignored.
            if (target != p && target >= 0 && target <= kLastPlayablePattern) {
                voicePattern[v] = target;
                base = target * 4096 + v * 512 + row * 8;
            }
        }
        const int* cell = &noteData[base];
        Nuv_PlayNote(v, cell[0], cell[1], cell[2], cell[3]);
        if (cell[2] == 8) row = kRowsPerBar - 1;
    }
}

void NuvPlayer::EndBar() {
    Reseed(section * 9 + tuneSeed, 16);
    if (chordQueue.size() == 1) {
        chordQueue = Nuv_GetChord(Rand(0, 4));
    } else if (chordQueue.size() > 1) {
        chordQueue.erase(0, 1);
    }
    --barsLeft;
    if (barsLeft <= 0) ChangeSection();
}

void NuvPlayer::ChangeSection() {
    Reseed(section * 9 + tuneSeed, 11);
    barsLeft = Rand(1, 2) * 2;
    ++section;
    for (int v = 0; v < voiceCount; ++v) {
        Reseed(section * 9 + tuneSeed + 7 * v, 11);
        voicePattern[v] = Rand(0, lastPattern[v]);
        voiceMuted[v] = voiceMutedNext[v];
        voiceMutedNext[v] = Rand(0, 1);
        voiceLeadIn[v] = Rand(0, 1);
    }
    if (voiceMuted[0] == 1 && voiceMuted[1] == 1) voiceMuted[0] = 0;
}

int NuvPlayer::Nuv_Stop(int all) {
    for (int v = 0; v < voiceCount; ++v) {
        if (voiceChannel[v] > 0 && voiceSounding[v] == 1) {
            audio::device->StopChannel(voiceChannel[v]);
            voiceSounding[v] = 0;
        }
    }
    if (all == 1) playState = 0;
    return 0;
}
