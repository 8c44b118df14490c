// The 33 channels and their state rules. Sources are created on a channel's first use and kept; state 1 is only a
// belief until the source is asked, because a one-shot sample stops by itself.
#include <AL/al.h>

#include "audio/audio_device.h"
#include "audio/sound_file.h"

namespace {

// Without a context OpenAL leaves the value untouched; stopped is then the truth.
ALint SourceState(unsigned int source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

ALenum BufferFormat(int bytes, int channels) {
    if (bytes == 1 && channels == 1) return AL_FORMAT_MONO8;
    if (bytes == 1 && channels == 2) return AL_FORMAT_STEREO8;
    if (bytes == 2 && channels == 1) return AL_FORMAT_MONO16;
    if (bytes == 2 && channels == 2) return AL_FORMAT_STEREO16;
    return 0;
}

}  // namespace

unsigned int gxtkChannel::AL_Source() {
    if (source == 0) alGenSources(1, &source);
    return source;
}

gxtkAudio::gxtkAudio() { alDistanceModel(AL_NONE); }

gxtkChannel* gxtkAudio::Channel(int channel) {
    return channel >= 0 && channel < kChannels ? &channels[channel] : nullptr;
}

SamplePtr gxtkAudio::LoadSample__UNSAFE__(SamplePtr sample, const String& path) {
    int length = 0, chans = 0, bytes = 0, hertz = 0;
    void* data = loadSound(path, &length, &chans, &bytes, &hertz);
    if (!data) return nullptr;
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, BufferFormat(bytes, chans), data, length * chans * bytes, hertz);
    unloadSound(data);
    sample->SetBuffer(buffer);
    return sample;
}

SamplePtr gxtkAudio::LoadSample(const String& path) {
    FlushDiscarded(this);
    return LoadSample__UNSAFE__(std::make_shared<gxtkSample>(), path);
}

int gxtkAudio::PlaySample(gxtkSample* sample, int channel, int flags) {
    FlushDiscarded(this);
    gxtkChannel* chan = Channel(channel);
    if (!chan || !sample) return 0;
    const ALuint source = chan->AL_Source();
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(sample->buffer));
    alSourcei(source, AL_LOOPING, flags != 0 ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);
    // The channel shares the sample so it outlives the game's last reference while it sounds.
    chan->sample = sample->weak_from_this().lock();
    chan->flags = flags;
    chan->state = 1;
    return 0;
}

int gxtkAudio::StopChannel(int channel) {
    gxtkChannel* chan = Channel(channel);
    if (!chan || chan->state == 0) return 0;
    alSourceStop(chan->source);
    chan->state = 0;
    return 0;
}

int gxtkAudio::PauseChannel(int channel) {
    gxtkChannel* chan = Channel(channel);
    if (!chan || chan->state != 1) return 0;
    if (SourceState(chan->source) == AL_STOPPED) {
        chan->state = 0;
        return 0;
    }
    alSourcePause(chan->source);
    chan->state = 2;
    return 0;
}

int gxtkAudio::ResumeChannel(int channel) {
    gxtkChannel* chan = Channel(channel);
    if (!chan || chan->state != 2) return 0;
    alSourcePlay(chan->source);
    chan->state = 1;
    return 0;
}

int gxtkAudio::ChannelState(int channel) {
    gxtkChannel* chan = Channel(channel);
    if (!chan) return 0;
    if (chan->state == 1 && SourceState(chan->source) == AL_STOPPED) chan->state = 0;
    return chan->state;
}

int gxtkAudio::SetVolume(int channel, float volume) {
    if (gxtkChannel* chan = Channel(channel)) alSourcef(chan->AL_Source(), AL_GAIN, volume);
    return 0;
}

int gxtkAudio::SetPan(int channel, float pan) {
    if (gxtkChannel* chan = Channel(channel)) alSource3f(chan->AL_Source(), AL_POSITION, pan, 0, 0);
    return 0;
}

int gxtkAudio::SetRate(int channel, float rate) {
    if (gxtkChannel* chan = Channel(channel)) alSourcef(chan->AL_Source(), AL_PITCH, rate);
    return 0;
}

int gxtkAudio::PlayMusic(const String& path, int flags) {
    StopMusic();
    SamplePtr sample = LoadSample(path);
    if (!sample) return -1;
    PlaySample(sample.get(), kMusicChannel, flags);
    return 0;
}

int gxtkAudio::StopMusic() { return StopChannel(kMusicChannel); }
int gxtkAudio::PauseMusic() { return PauseChannel(kMusicChannel); }
int gxtkAudio::ResumeMusic() { return ResumeChannel(kMusicChannel); }
int gxtkAudio::MusicState() { return ChannelState(kMusicChannel); }
int gxtkAudio::SetMusicVolume(float volume) { return SetVolume(kMusicChannel, volume); }

// Suspension pauses sources behind the channels' backs: state stays 1, so channels the game paused (state 2) are
// left alone on resume.
int gxtkAudio::OnSuspend() {
    for (auto& chan : channels) {
        if (chan.state == 1 && SourceState(chan.source) == AL_PLAYING) alSourcePause(chan.source);
    }
    return 0;
}

int gxtkAudio::OnResume() {
    for (auto& chan : channels) {
        if (chan.state == 1 && SourceState(chan.source) == AL_PAUSED) alSourcePlay(chan.source);
    }
    return 0;
}
