#pragma once
// The audio device: 33 channels, each backed by one OpenAL source created on first use; samples each hold one
// OpenAL buffer. Channel 32 doubles as the music channel.
#include <memory>
#include <vector>

#include "app/gxtk_object.h"
#include "app/text.h"

class gxtkSample : public gxtkObject, public std::enable_shared_from_this<gxtkSample> {
public:
    ~gxtkSample() override;
    // Hands the buffer to the discard list; a later flush deletes it once no source holds it.
    virtual int Discard();
    void SetBuffer(unsigned int b) { buffer = b; }

    unsigned int buffer = 0;
};

using SamplePtr = std::shared_ptr<gxtkSample>;

struct gxtkChannel {
    unsigned int source = 0;
    SamplePtr sample;
    int flags = 0;  // non-zero loops
    int state = 0;  // 0 idle, 1 playing, 2 paused

    unsigned int AL_Source();
};

class gxtkAudio : public gxtkObject {
public:
    gxtkAudio();

    virtual SamplePtr LoadSample__UNSAFE__(SamplePtr sample, const String& path);
    virtual SamplePtr LoadSample(const String& path);
    virtual int PlaySample(gxtkSample* sample, int channel, int flags);
    virtual int StopChannel(int channel);
    virtual int PauseChannel(int channel);
    virtual int ResumeChannel(int channel);
    virtual int ChannelState(int channel);
    virtual int SetVolume(int channel, float volume);
    virtual int SetPan(int channel, float pan);
    virtual int SetRate(int channel, float rate);
    virtual int PlayMusic(const String& path, int flags);
    virtual int StopMusic();
    virtual int PauseMusic();
    virtual int ResumeMusic();
    virtual int MusicState();
    virtual int SetMusicVolume(float volume);

    int OnSuspend();
    int OnResume();

    static constexpr int kChannels = 33;
    static constexpr int kMusicChannel = 32;
    gxtkChannel channels[kChannels];

private:
    // Channel numbers outside 0..32 are ignored rather than trusted.
    gxtkChannel* Channel(int channel);
};

// Buffers of discarded samples waiting to be deleted, shared by the whole process.
extern std::vector<unsigned int> discarded;
void FlushDiscarded(gxtkAudio* audio);

class Sound {
public:
    SamplePtr sample;
};

using SoundPtr = std::shared_ptr<Sound>;

namespace audio {
extern gxtkAudio* device;

int SetAudioDevice(gxtkAudio* dev);
SoundPtr LoadSound(const String& path);
int PlaySound(Sound* sound, int channel, int flags);
int StopChannel(int channel);
int SetChannelVolume(int channel, float volume);
int SetChannelPan(int channel, float pan);
int SetChannelRate(int channel, float rate);
}  // namespace audio
