#pragma once
// The music sequencer: tunes stored as note data in the pixels of PNG images, played on WAV instruments with a
// seeded, reproducible arrangement of patterns, mutes and chords.
#include <vector>

#include "app/text.h"
#include "audio/audio_device.h"
#include "graphics/graphics.h"
#include "music/tune_pixels.h"

class NuvPlayer {
public:
    NuvPlayer();
    virtual ~NuvPlayer() = default;

    virtual int Nuv_Init(int topChannel, int drumKits, int leads, int accompaniments, int basses);
    virtual int Nuv_LoadChunk();
    virtual int Nuv_Alive_R();
    virtual int Nuv_Stop(int all);
    virtual float GetPitch_Alpha(char16_t c);
    virtual float GetPitch(int n);
    virtual int Nuv_PlayNote(int voice, int note, int volume, int effect, int amount);
    virtual int Rand(float low, float high);
    virtual String Nuv_GetChord(int type);
    virtual int Nuv_MusicPlay();
    virtual int Nuv_Alive_U(int paused, int musicOn);
    virtual int Nuv_StartTune(const String& name, int seed, int tempo);

    int topChannel = 0;
    int instrumentCounts[8] = {};
    int loadStep = 0;
    int instrumentChoice[8] = {};
    SoundPtr drumKitA[9];
    SoundPtr drumKitB[9];
    SoundPtr voiceInstrument[8];
    String tunePath;
    ImagePtr tuneImage;
    std::vector<int> noteData;  // 262145 cells: pattern * 4096 + track * 512 + row * 8 + column
    int lastPattern[8] = {};
    int nextRowTime = 0;
    int playState = 0;
    int voiceCount = 5;
    int voiceChannel[8] = {};
    int voiceSounding[8] = {};
    int voicePattern[8] = {};
    int row = 0;
    int barsLeft = 0;
    int voiceMuted[8] = {};
    int voiceLeadIn[8] = {};
    int voiceMutedNext[8] = {};
    float transpose = 0;
    String chordQueue;
    float voiceRate[8] = {};
    float voiceEnvelope[8] = {};
    float masterVolume = 0.4f;
    float voiceVolume[8] = {};
    int tempo = 95;
    int tuneSeed = 0;
    int section = 0;

    // Not in the sequencer's own state: the tune image's pixels, read once at loader step 1 so that each later
    // step decodes one frame from memory instead of drawing it and reading the frame buffer back.
    TunePixels tunePixels;

private:
    void DrawArrangement();
    void DrawVoicePatterns();
    void DecodeFrame(int frame, int step);
    void Reseed(int seed, int discards);
    void PlayRow();
    void EndBar();
    void ChangeSection();
    void TriggerDrum(int voice, int note, int channel);
    void ShapeVolume(int voice, int volume, int channel, int muted);
    void TriggerMelodic(int voice, int note, int channel);
    void ApplySlide(int voice, int effect, int amount, int channel);
};
